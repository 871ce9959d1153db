#include "platform/posix/IniFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/CaseName.h"
#include "support/TempDir.h"

namespace kestrane::platform::posix {
namespace {

constexpr std::string_view kIni =
    "; VeltrimC.ini\r\n"
    "orphan=before any section\r\n"
    "[Client Components]\r\n"
    "LangType=CHT\r\n"
    "  [ CodePage ]  \r\n"
    "  UICodePage  =  950  \r\n"
    "DBCodePage=\"936\"\r\n"
    "Quoted='single'\r\n"
    "Mismatched=\"open'\r\n"
    "LoneQuote=\"\r\n"
    "Inner=a \"b\" c\r\n"
    "uicodepage=second\r\n"
    ";DBCodePage=commented\r\n"
    "NoEquals\r\n"
    "Empty=\r\n"
    "\r\n"
    "[Server Information]\r\n"
    "ComputerName= srvA;srvB; \r\n"
    "[WorkDLLPath]\r\n"
    "b = \\Lib \r\n"
    "a=Bin\r\n"
    "; not an entry\r\n"
    "c=\"E:\\X\"\r\n"
    "[Empty Section]\r\n"
    "[codepage]\r\n"
    "Later=the first section of a name counts\r\n"
    "[Unclosed\r\n"
    "x=1";

class IniFileTest : public testing::Test {
 protected:
  test::TempDir dir_;
  IniFile ini_ = IniFile::Load(dir_.Write("VeltrimC.ini", kIni));
};

struct ValueCase {
  const char* name;
  const char* section;
  const char* key;
  std::optional<std::string> value;
};

class IniValueTest : public IniFileTest, public testing::WithParamInterface<ValueCase> {};

TEST_P(IniValueTest, FollowsThePrivateProfileRules) {
  EXPECT_EQ(ini_.Value(GetParam().section, GetParam().key), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniValueTest,
    testing::Values(ValueCase{"Plain", "Client Components", "LangType", "CHT"},
                    ValueCase{"CaseOfNames", "CLIENT components", "langtype", "CHT"},
                    ValueCase{"BlanksAroundNamesAndValues", "CodePage", "UICodePage", "950"},
                    ValueCase{"BlanksAroundRequestedNames", " CodePage ", " UICodePage ", "950"},
                    ValueCase{"DoubleQuotes", "CodePage", "DBCodePage", "936"},
                    ValueCase{"SingleQuotes", "CodePage", "Quoted", "single"},
                    ValueCase{"MismatchedQuotesStay", "CodePage", "Mismatched", "\"open'"},
                    ValueCase{"LoneQuoteStays", "CodePage", "LoneQuote", "\""},
                    ValueCase{"InnerQuotesStay", "CodePage", "Inner", "a \"b\" c"},
                    ValueCase{"EmptyValue", "CodePage", "Empty", ""},
                    ValueCase{"KeyWithoutEquals", "CodePage", "NoEquals", ""},
                    ValueCase{"ValueTrimmedOnce", "Server Information", "ComputerName",
                              "srvA;srvB;"},
                    ValueCase{"FirstSectionOfANameOnly", "CodePage", "Later", std::nullopt},
                    ValueCase{"CommentIsNoKey", "CodePage", ";DBCodePage", std::nullopt},
                    ValueCase{"MissingKey", "CodePage", "Version", std::nullopt},
                    ValueCase{"MissingSection", "ProductVersion", "Version", std::nullopt},
                    ValueCase{"LineBeforeSections", "", "orphan", std::nullopt},
                    ValueCase{"UnclosedHeaderIsNoSection", "Unclosed", "x", std::nullopt}),
    test::CaseName());

TEST_F(IniFileTest, FirstKeyOfANameWins) {
  EXPECT_EQ(ini_.Value("CodePage", "uicodepage"), "950");
}

struct SectionCase {
  const char* name;
  const char* section;
  std::vector<std::string> entries;
};

class IniSectionTest : public IniFileTest, public testing::WithParamInterface<SectionCase> {};

TEST_P(IniSectionTest, ListsEntriesInFileOrder) {
  EXPECT_EQ(ini_.Entries(GetParam().section), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniSectionTest,
    testing::Values(SectionCase{"RawEntries", "workdllpath", {"b=\\Lib", "a=Bin", "c=\"E:\\X\""}},
                    SectionCase{"EmptySection", "Empty Section", {}},
                    SectionCase{"MissingSection", "Nowhere", {}},
                    SectionCase{"WithoutEqualsAndEmpty",
                                "CodePage",
                                {"UICodePage=950", "DBCodePage=\"936\"", "Quoted='single'",
                                 "Mismatched=\"open'", "LoneQuote=\"", "Inner=a \"b\" c",
                                 "uicodepage=second", "NoEquals", "Empty="}}),
    test::CaseName());

TEST(IniFileLoadTest, MissingFileReadsAsEmpty) {
  test::TempDir dir;
  IniFile ini = IniFile::Load(dir / "absent.ini");
  EXPECT_EQ(ini.Value("CodePage", "UICodePage"), std::nullopt);
  EXPECT_TRUE(ini.Entries("WorkDLLPath").empty());
}

TEST(IniFileLoadTest, LoneCrAndLfEndLinesToo) {
  test::TempDir dir;
  IniFile ini = IniFile::Load(dir.Write("a.ini", "[s]\ra=1\nb=2"));
  EXPECT_EQ(ini.Entries("s"), (std::vector<std::string>{"a=1", "b=2"}));
}

struct IntCase {
  const char* name;
  std::optional<std::string> value;
  int expected;
};

class ProfileIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(ProfileIntTest, ReadsLikeGetPrivateProfileInt) {
  EXPECT_EQ(ProfileInt(GetParam().value, 211), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileIntTest,
    testing::Values(IntCase{"Missing", std::nullopt, 211}, IntCase{"Empty", "", 211},
                    IntCase{"Number", "8000", 8000}, IntCase{"LeadingDigits", "80x0", 80},
                    IntCase{"NotANumber", "port", 0}, IntCase{"Negative", "-12", -12},
                    IntCase{"Plus", "+12", 12}, IntCase{"SignOnly", "-", 0},
                    IntCase{"Zero", "0", 0}, IntCase{"WrapsAt32Bits", "4294967297", 1}),
    test::CaseName());

}  // namespace
}  // namespace kestrane::platform::posix
