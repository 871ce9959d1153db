// Registry files cut short or saved in the wrong form: the load that reads the host key either
// works as before or fails with an error naming the registry file, and a failure leaves the
// tables and the client folder as they were.
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>

#include "NativeHostFixture.h"
#include "core/Messages.h"
#include "core/TableFile.h"
#include "core/Tables.h"
#include "platform/CodePage.h"
#include "support/CaseName.h"

namespace kestrane::core {
namespace {

const std::string kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string kKeyLine = "[HKEY_LOCAL_MACHINE\\Software\\Tresk\\Veltrim]\r\n";

enum class Outcome { Loads, Fails, NotFound };

struct RegistryCase {
  const char* name;
  // The file, given the ClientPath value as it stands in a registry file.
  std::string (*file)(const std::string& clientPath);
  Outcome outcome;
  const char* failure = "";
};

void PrintTo(const RegistryCase& registryCase, std::ostream* out) {
  *out << registryCase.name;
}

std::string Utf16LE(const std::string& utf8) {
  std::string utf16;
  platform::Transcoder(platform::kCodePageUtf8, 1200).Convert(utf8, utf16, true);
  return utf16;
}

std::string Whole(const std::string& clientPath) {
  return kHeader + kKeyLine + "\"ClientPath\"=" + clientPath + "\r\n";
}

class DamagedRegistryTest : public test::NativeHostFixture,
                            public testing::WithParamInterface<RegistryCase> {};

TEST_P(DamagedRegistryTest, LoadsAsBeforeOrFailsNamingTheFile) {
  WriteTables("client", {0x1111}, {0x2222});
  ASSERT_TRUE(LoadLanguage());
  const std::string clientFolder = LanguagePath();
  WriteRegistryFile(GetParam().file(test::RegString(client().string())));
  WriteTables("client", {0x3333}, {0x4444});

  switch (GetParam().outcome) {
    case Outcome::Loads:
      ASSERT_TRUE(LoadLanguage());
      EXPECT_EQ(GetBIG5Table(), std::vector<Code>{0x3333});
      return;
    case Outcome::NotFound:
      EXPECT_FALSE(LoadLanguage());
      EXPECT_EQ(platform_.TakeMessages(), std::vector<std::string>{std::string(kLanguageNotFound)});
      break;
    case Outcome::Fails:
      try {
        LoadLanguage();
        ADD_FAILURE() << "the load should fail";
      } catch (const std::runtime_error& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find((dir_ / "host.reg").string()), std::string::npos) << message;
        EXPECT_NE(message.find(GetParam().failure), std::string::npos) << message;
      }
      EXPECT_EQ(LanguagePath(), clientFolder);
      break;
  }
  EXPECT_EQ(GetBIG5Table(), std::vector<Code>{0x1111});
  EXPECT_EQ(GetGBTable(), std::vector<Code>{0x2222});
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedRegistryTest,
    testing::Values(
        RegistryCase{"whole", Whole, Outcome::Loads},
        RegistryCase{
            "truncatedAfterTheLastValue",
            [](const std::string& path) { return kHeader + kKeyLine + "\"ClientPath\"=" + path; },
            Outcome::Loads},
        RegistryCase{"truncatedInsideAValue",
                     [](const std::string& path) {
                       return kHeader + kKeyLine + "\"ClientPath\"=" + path.substr(0, 8);
                     },
                     Outcome::Fails, "line 4: the quoted text does not close"},
        RegistryCase{"truncatedInsideTheKeyLine",
                     [](const std::string&) { return kHeader + "[HKEY_LOCAL_MACH"; },
                     Outcome::Fails, "line 3: the key line does not close"},
        RegistryCase{"keyLineThatNeverCloses",
                     [](const std::string& path) {
                       return kHeader + "[HKEY_LOCAL_MACHINE\\Software\\Tresk\\Veltrim\r\n" +
                              "\"ClientPath\"=" + path + "\r\n";
                     },
                     Outcome::Fails, "line 3: the key line does not close"},
        // Without the key there is no client folder: the table file is looked for in the
        // current folder, which has none.
        RegistryCase{"truncatedAfterTheHeader", [](const std::string&) { return kHeader; },
                     Outcome::NotFound},
        RegistryCase{"truncatedToNothing", [](const std::string&) { return std::string(); },
                     Outcome::Fails, "line 1: the first line is neither"},
        RegistryCase{"utf16WithItsByteOrderMark",
                     [](const std::string& path) { return "\xFF\xFE" + Utf16LE(Whole(path)); },
                     Outcome::Loads},
        RegistryCase{"utf16WithoutByteOrderMark",
                     [](const std::string& path) { return Utf16LE(Whole(path)); }, Outcome::Fails,
                     "UTF-16 text needs its byte order mark"},
        RegistryCase{"utf16TruncatedToAnOddByte",
                     [](const std::string& path) {
                       const std::string whole = "\xFF\xFE" + Utf16LE(Whole(path));
                       return whole.substr(0, whole.size() - 1);
                     },
                     Outcome::Fails, "invalid UTF-16"}),
    test::CaseName());

}  // namespace
}  // namespace kestrane::core
