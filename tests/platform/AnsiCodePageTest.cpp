#include "platform/posix/AnsiCodePage.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "support/CaseName.h"
#include "support/ScopedEnv.h"

namespace kestrane::platform::posix {
namespace {

using test::ScopedEnv;

struct LocaleCase {
  const char* locale;
  unsigned codePage;
};

class LocaleCodePageTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleCodePageTest, FollowsLanguageAndTerritory) {
  EXPECT_EQ(LocaleCodePage(GetParam().locale), GetParam().codePage);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocaleCodePageTest,
    testing::Values(LocaleCase{"zh_CN.UTF-8", 936}, LocaleCase{"zh_CN", 936},
                    LocaleCase{"zh_SG.GBK", 936}, LocaleCase{"zh_TW.UTF-8", 950},
                    LocaleCase{"zh_HK.BIG5-HKSCS", 950}, LocaleCase{"zh_TW@radical", 950},
                    LocaleCase{"zh_CNX", 1252}, LocaleCase{"en_US.UTF-8", 1252},
                    LocaleCase{"C.UTF-8", 1252}, LocaleCase{"POSIX", 1252}, LocaleCase{"", 1252}));

struct EnvironmentCase {
  const char* name;
  std::optional<std::string> lcAll;
  std::optional<std::string> lcCtype;
  std::optional<std::string> lang;
  std::optional<std::string> acp;
  unsigned codePage;
};

class AnsiCodePageFromEnvironmentTest : public testing::TestWithParam<EnvironmentCase> {};

TEST_P(AnsiCodePageFromEnvironmentTest, TakesTheFirstVariableSet) {
  const auto& example = GetParam();
  ScopedEnv lcAll("LC_ALL", example.lcAll);
  ScopedEnv lcCtype("LC_CTYPE", example.lcCtype);
  ScopedEnv lang("LANG", example.lang);
  ScopedEnv acp("KESTRANE_ACP", example.acp);
  EXPECT_EQ(AnsiCodePageFromEnvironment(), example.codePage);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnsiCodePageFromEnvironmentTest,
    testing::Values(
        EnvironmentCase{"NothingSet", std::nullopt, std::nullopt, std::nullopt, std::nullopt, 1252},
        EnvironmentCase{"LangOnly", std::nullopt, std::nullopt, "zh_TW.UTF-8", std::nullopt, 950},
        EnvironmentCase{"CtypeBeforeLang", std::nullopt, "zh_CN.UTF-8", "zh_TW.UTF-8", std::nullopt,
                        936},
        EnvironmentCase{"AllBeforeCtype", "zh_HK.UTF-8", "zh_CN.UTF-8", "en_US", std::nullopt, 950},
        EnvironmentCase{"EmptyAllIsUnset", "", "zh_CN.UTF-8", std::nullopt, std::nullopt, 936},
        EnvironmentCase{"OverrideWins", "zh_CN.UTF-8", std::nullopt, std::nullopt, "950", 950},
        EnvironmentCase{"OverrideUtf8", std::nullopt, std::nullopt, std::nullopt, "65001", 65001},
        EnvironmentCase{"OverrideAnyIconvCodePage", std::nullopt, std::nullopt, std::nullopt,
                        "1251", 1251}),
    test::CaseName());

class BadOverrideTest : public testing::TestWithParam<const char*> {};

TEST_P(BadOverrideTest, IsAnErrorNamingTheValue) {
  ScopedEnv acp("KESTRANE_ACP", GetParam());
  try {
    AnsiCodePageFromEnvironment();
    FAIL() << "no error";
  } catch (const std::invalid_argument& error) {
    EXPECT_NE(std::string(error.what()).find(std::string("\"") + GetParam() + "\""),
              std::string::npos)
        << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BadOverrideTest,
                         testing::Values("", "cp936", "936x", " 936", "-936", "12",
                                         "99999999999999999999"));

}  // namespace
}  // namespace kestrane::platform::posix
