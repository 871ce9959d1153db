#include "platform/posix/RegFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "platform/Platform.h"
#include "support/CaseName.h"
#include "support/TempDir.h"

namespace kestrane::platform::posix {
namespace {

constexpr std::string_view kKey = "HKEY_LOCAL_MACHINE\\Software\\Tresk\\Veltrim";
constexpr std::string_view kV5 = "Windows Registry Editor Version 5.00\r\n\r\n";

// The text as UTF-16LE bytes with a byte order mark, as the registry editor exports it.
std::string Utf16LEWithBom(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

struct ReadCase {
  const char* name;
  std::string content;
  std::string valueName;
  std::optional<std::string> value;  // nullopt: the key has no such value
};

class RegFileReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(RegFileReadTest, FindsTheValue) {
  test::TempDir dir;
  auto values = ReadRegKey(dir.Write("host.reg", GetParam().content), kKey);
  ASSERT_TRUE(values.has_value());
  const std::string* value = values->Find(GetParam().valueName);
  EXPECT_EQ(value ? std::optional<std::string>(*value) : std::nullopt, GetParam().value);
}

const std::string kPlain = std::string(kV5) +
                           "[HKEY_LOCAL_MACHINE\\Software\\Tresk\\Veltrim]\r\n"
                           "\"ClientPath\"=\"D:\\\\App\"\r\n"
                           "\"ProfileType\"=\"1\"\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, RegFileReadTest,
    testing::Values(
        ReadCase{"Version5", kPlain, "ClientPath", "D:\\App"},
        ReadCase{"Regedit4Lf",
                 "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Tresk\\Veltrim]\n"
                 "\"ClientPath\"=\"D:\\\\App\"\n",
                 "ClientPath", "D:\\App"},
        ReadCase{"Utf8Bom", "\xEF\xBB\xBF" + kPlain, "ProfileType", "1"},
        ReadCase{"Utf16LEBom",
                 Utf16LEWithBom(u"Windows Registry Editor Version 5.00\r\n\r\n"
                                u"[HKEY_LOCAL_MACHINE\\Software\\Tresk\\Veltrim]\r\n"
                                u"\"ClientPath\"=\"D:\\\\中文\\\\\"\r\n"),
                 "ClientPath", "D:\\中文\\"},
        ReadCase{"Escapes",
                 std::string(kV5) + "[" + std::string(kKey) +
                     "]\r\n"
                     "\"Say \\\"hi\\\"\"=\"a\\\\\\\"b\\\\\"\r\n",
                 "Say \"hi\"", "a\\\"b\\"},
        ReadCase{"CaseOfKeyAndName",
                 std::string(kV5) +
                     "[hkey_local_machine\\SOFTWARE\\tresk\\VELTRIM]\r\n\"clientpath\"=\"x\"\r\n",
                 "ClientPATH", "x"},
        ReadCase{"MissingValue", kPlain, "Version", std::nullopt},
        ReadCase{"DefaultValue", std::string(kV5) + "[" + std::string(kKey) + "]\r\n@=\"d\"\r\n",
                 "", "d"},
        ReadCase{"DwordReadsEmpty",
                 std::string(kV5) + "[" + std::string(kKey) +
                     "]\r\n"
                     "\"ProfileType\"=dword:00000001\r\n",
                 "ProfileType", ""},
        ReadCase{
            "ContinuedHexReadsEmpty",
            std::string(kV5) + "[" + std::string(kKey) +
                "]\r\n"
                "\"Bin\"=hex(2):44,00,3a,00,\\\r\n  5c,00,00,00\r\n\"ClientPath\"=\"after\"\r\n",
            "ClientPath", "after"},
        ReadCase{
            "BlanksCommentsAndOtherKeys",
            std::string(kV5) +
                "; exported\r\n[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n\"ClientPath\"=\"no\"\r\n"
                "\r\n  [" +
                std::string(kKey) + "]  \r\n  \"ClientPath\" = \"yes\"  \r\n",
            "ClientPath", "yes"},
        ReadCase{"LaterSectionWins",
                 kPlain + "[" + std::string(kKey) +
                     "]\r\n"
                     "\"clientpath\"=\"E:\\\\\"\r\n",
                 "ClientPath", "E:\\"},
        ReadCase{"SectionsMerge", kPlain + "[" + std::string(kKey) + "]\r\n\"Version\"=\"2\"\r\n",
                 "ProfileType", "1"},
        ReadCase{"MinusDeletes", kPlain + "\"ProfileType\"=-\r\n", "ProfileType", std::nullopt},
        ReadCase{"LongValue",
                 std::string(kV5) + "[" + std::string(kKey) + "]\r\n\"ClientPath\"=\"" +
                     std::string(200000, 'p') + "\"",
                 "ClientPath", std::string(200000, 'p')}),
    test::CaseName());

TEST(RegFileTest, KeyMissingFromTheFile) {
  test::TempDir dir;
  auto file = dir.Write("host.reg", std::string(kV5) +
                                        "[HKEY_LOCAL_MACHINE\\Software\\Tresk]\r\n"
                                        "[HKEY_CURRENT_USER\\Software\\Tresk\\Veltrim]\r\n");
  EXPECT_EQ(ReadRegKey(file, kKey), std::nullopt);
}

TEST(RegFileTest, EmptyKeyIsPresent) {
  test::TempDir dir;
  auto values =
      ReadRegKey(dir.Write("host.reg", std::string(kV5) + "[" + std::string(kKey) + "]"), kKey);
  ASSERT_TRUE(values.has_value());
  EXPECT_EQ(values->Find("ClientPath"), nullptr);
}

TEST(RegFileTest, MissingFileIsAnIoError) {
  test::TempDir dir;
  EXPECT_THROW(ReadRegKey(dir / "absent.reg", kKey), IoError);
}

struct MalformedCase {
  const char* name;
  std::string content;
  std::string message;
};

class RegFileMalformedTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(RegFileMalformedTest, IsAnErrorNamingFileAndPlace) {
  test::TempDir dir;
  auto file = dir.Write("host.reg", GetParam().content);
  try {
    ReadRegKey(file, kKey);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    std::string message = error.what();
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().message), std::string::npos) << message;
  }
}

const std::string kKeyLine = "[" + std::string(kKey) + "]\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, RegFileMalformedTest,
    testing::Values(
        MalformedCase{"EmptyFile", "", "line 1: the first line is neither"},
        MalformedCase{"NoHeader", kKeyLine, "line 1: the first line is neither"},
        MalformedCase{"OldHeaderVersion", "Windows Registry Editor Version 4.00\r\n", "line 1"},
        MalformedCase{"Utf16WithoutBom", std::string("W\0i\0n\0", 6), "byte order mark"},
        MalformedCase{"Utf16BigEndian", std::string("\xFE\xFF\0W", 4), "big-endian"},
        MalformedCase{"Utf16Truncated", Utf16LEWithBom(u"REGEDIT4\r\n") + "[", "invalid UTF-16"},
        MalformedCase{"KeyLineNeverCloses", std::string(kV5) + "[HKEY_LOCAL_MACHINE\\Software",
                      "line 3: the key line does not close"},
        MalformedCase{"KeyDeletion", std::string(kV5) + "[-" + std::string(kKey) + "]",
                      "line 3: key deletions"},
        MalformedCase{"ValueBeforeKey", std::string(kV5) + "\"a\"=\"b\"\r\n" + kKeyLine,
                      "line 3: a value before the first key line"},
        MalformedCase{"TruncatedString", std::string(kV5) + kKeyLine + "\"ClientPath\"=\"D:\\\\Ap",
                      "line 4: the quoted text does not close"},
        MalformedCase{"TruncatedName", std::string(kV5) + kKeyLine + "\"Client",
                      "line 4: the quoted text does not close"},
        MalformedCase{"SingleBackslash", std::string(kV5) + kKeyLine + "\"a\"=\"D:\\App\"",
                      "line 4: unknown escape \\A"},
        MalformedCase{"NameWithoutQuotes", std::string(kV5) + kKeyLine + "ClientPath=\"x\"",
                      "line 4: expected a value name"},
        MalformedCase{"NoEquals", std::string(kV5) + kKeyLine + "\"a\" \"x\"",
                      "line 4: expected \"=\""},
        MalformedCase{"TextAfterString", std::string(kV5) + kKeyLine + "\"a\"=\"x\" y",
                      "line 4: unexpected text"},
        MalformedCase{"UnknownType", std::string(kV5) + kKeyLine + "\"a\"=qword:1",
                      "line 4: unknown value type"},
        MalformedCase{"ShortDword", std::string(kV5) + kKeyLine + "\"a\"=dword:1",
                      "line 4: a dword value needs"},
        MalformedCase{"HexPastEnd", std::string(kV5) + kKeyLine + "\"a\"=hex:01,\\\r\n 02,\\",
                      "line 5: the value continues past the end"}),
    test::CaseName());

}  // namespace
}  // namespace kestrane::platform::posix
