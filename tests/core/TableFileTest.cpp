#include <gtest/gtest.h>

#include <filesystem>

#include "core/Messages.h"
#include "core/TableFile.h"
#include "core/Tables.h"
#include "platform/Platform.h"
#include "support/CaseName.h"
#include "support/CoreFixture.h"

namespace kestrane::core {
namespace {

using test::CoreFixture;
using test::LanguageText;
using test::ReadBytes;

class LoadLanguageTest : public CoreFixture {};

struct LineRuleCase {
  const char* name;
  std::string text;
  std::vector<Code> big5;
  std::vector<Code> gb;
};

class LineRuleTest : public CoreFixture, public testing::WithParamInterface<LineRuleCase> {};

TEST_P(LineRuleTest, FillsTablesByPositionOfTheKeptLines) {
  WriteLanguage(GetParam().text);
  ASSERT_TRUE(LoadLanguage());
  EXPECT_EQ(GetBIG5Table(), GetParam().big5);
  EXPECT_EQ(GetGBTable(), GetParam().gb);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LineRuleTest,
    testing::Values(
        LineRuleCase{"onlyHeaders", "[BIG5]\r\n[GB]\r\n", {}, {}},
        LineRuleCase{"emptyFile", "", {}, {}},
        LineRuleCase{"blankLinesIgnored",
                     "\r\n[BIG5]\r\n   \r\nBIG5Order[0]=$A1A1\r\n\t\r\n[GB]\r\nGBOrder[0]=$B0A1",
                     {0xA1A1},
                     {0xB0A1}},
        LineRuleCase{"bracketNumberNotRead", "[BIG5]\r\nBIG5Order[7]=$A1A1\r\n", {0xA1A1}, {}},
        // A kept line of neither kind takes a place and shifts the GB entries.
        LineRuleCase{"leadingSpaceShifts",
                     "[BIG5]\r\nBIG5Order[0]=$A1A1\r\n BIG5Order[1]=$A1A2\r\n[GB]\r\n"
                     "GBOrder[0]=$B0A1\r\nGBOrder[1]=$B0A2\r\n",
                     {0xA1A1},
                     {0xA1A2, 0xB0A1}},
        LineRuleCase{"lowercaseGbCountsAsNeither",
                     "BIG5Order[0]=$A1A1\r\ngbOrder[0]=$0001\r\nGBOrder[0]=$B0A1\r\n",
                     {0xA1A1},
                     {0x0001}},
        LineRuleCase{"lineEndsOfAnyKind",
                     "BIG5Order[0]=$A1A1\nGBOrder[0]=$B0A1\rGBOrder[1]=$0001",
                     {0xA1A1},
                     {0xB0A1, 0x0001}},
        LineRuleCase{"firstValueCharacterNotExamined", "GBOrder[0]=XB0A1\r\n", {}, {0xB0A1}},
        LineRuleCase{"charactersAfterTheCodeIgnored", "GBOrder[0]=$B0A1FF\r\n", {}, {0xB0A1}}),
    test::CaseName());

// " [GB]" is a kept line of neither kind: the first GB slot takes it, and it has no code.
TEST_F(LoadLanguageTest, HeaderWithBlankShiftsTheGBEntries) {
  WriteLanguage("BIG5Order[0]=$A1A1\r\n [GB]\r\nGBOrder[0]=$B0A1\r\n");
  EXPECT_THROW(LoadLanguage(), TableFileError);
}

struct BadFileCase {
  const char* name;
  std::string text;
  std::string quoted;  // what the message must contain
};

class BadFileTest : public CoreFixture, public testing::WithParamInterface<BadFileCase> {};

// A file that cannot be read whole changes nothing, and the error names file, line and text.
TEST_P(BadFileTest, FailsWholeAndKeepsThePreviousTables) {
  WriteTables({0x1111}, {0x2222});
  ASSERT_TRUE(LoadLanguage());
  WriteLanguage(GetParam().text);
  try {
    LoadLanguage();
    ADD_FAILURE() << "the load should fail";
  } catch (const TableFileError& error) {
    EXPECT_NE(std::string(error.what()).find("Language"), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find(GetParam().quoted), std::string::npos) << error.what();
  }
  EXPECT_EQ(GetBIG5Table(), std::vector<Code>{0x1111});
  EXPECT_EQ(GetGBTable(), std::vector<Code>{0x2222});
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    testing::Values(
        BadFileCase{"lowercaseDigit", "[BIG5]\r\n[GB]\r\nGBOrder[0]=$a1a1\r\n",
                    "line 3: \"GBOrder[0]=$a1a1\""},
        BadFileCase{"missingDigit", "GBOrder[0]=$B0A\r\n", "line 1: \"GBOrder[0]=$B0A\""},
        BadFileCase{"keptLineWithoutEquals", "BIG5Order[0]=$A1A1\r\nBIG5Order[1]\r\n",
                    "line 2: \"BIG5Order[1]\""},
        BadFileCase{"strayLineInsideTables", "BIG5Order[0]=$A1A1\r\nnote\r\nGBOrder[0]=$0001\r\n",
                    "line 2: \"note\""}),
    test::CaseName());

TEST_F(LoadLanguageTest, StrayLinesAfterTheTablesAreNotRead) {
  WriteLanguage("BIG5Order[0]=$A1A1\r\nGBOrder[0]=$0001\r\nnote\r\n");
  ASSERT_TRUE(LoadLanguage());
  EXPECT_EQ(GetGBTable(), std::vector<Code>{0x0001});
}

TEST_F(LoadLanguageTest, MissingFileIsReportedAndKeepsTables) {
  WriteTables({0x1111}, {0x2222});
  ASSERT_TRUE(LoadLanguage());
  std::filesystem::remove(dir_ / "Language");
  EXPECT_FALSE(LoadLanguage());
  EXPECT_EQ(platform_.TakeMessages(), std::vector<std::string>{std::string(kLanguageNotFound)});
  EXPECT_EQ(GetBIG5Table(), std::vector<Code>{0x1111});
  EXPECT_EQ(GBCount(), 1);
}

TEST_F(LoadLanguageTest, NeverLoadedTablesStayAbsentWithoutAFile) {
  EXPECT_FALSE(GetBIG5Table().has_value());
  EXPECT_FALSE(GetGBTable().has_value());
  EXPECT_EQ(BIG5Count(), 0);
  EXPECT_EQ(platform_.TakeMessages().size(), 2u);
}

TEST_F(LoadLanguageTest, ClientPathComesFromTheHostKeyAtEveryLoad) {
  WriteTables({0x1111}, {});
  ASSERT_TRUE(LoadLanguage());
  EXPECT_EQ(LanguagePath(), dir_.path().string() + "\\");
  test::TempDir other;
  other.Write("Language", LanguageText({0x3333}, {}));
  platform_.SetClientDir(other.path());
  ASSERT_TRUE(LoadLanguage());
  EXPECT_EQ(GetBIG5Table(), std::vector<Code>{0x3333});
}

TEST_F(LoadLanguageTest, WithoutAHostKeyTheCurrentFolderIsUsed) {
  WriteTables({0x4444}, {});
  platform_.RemoveHostKey();
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  const bool loaded = LoadLanguage();
  std::filesystem::current_path(previous);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(LanguagePath(), "");
  EXPECT_EQ(GetBIG5Table(), std::vector<Code>{0x4444});
}

class WriteLanguageTest : public CoreFixture {};

TEST_F(WriteLanguageTest, RewritesTheFileAndKeepsTheOldOneAsBackup) {
  const auto original = "[BIG5]\nBIG5Order[5]=$A1A1\n\n[GB]\nGBOrder[0]=$B0A1\nGBOrder[1]=$0041\n";
  WriteLanguage(original);
  ASSERT_TRUE(LoadLanguage());
  ASSERT_TRUE(core::WriteLanguage());
  EXPECT_EQ(ReadLanguage(),
            "[BIG5]\r\nBIG5Order[0]=$A1A1\r\n[GB]\r\nGBOrder[0]=$B0A1\r\nGBOrder[1]=$0041\r\n");
  EXPECT_EQ(ReadBytes(dir_ / "Language.bak"), original);
}

TEST_F(WriteLanguageTest, WritesNothingWhenNeverLoaded) {
  EXPECT_FALSE(core::WriteLanguage());
  EXPECT_TRUE(platform_.messages().empty());
}

TEST_F(WriteLanguageTest, NeverCreatesAMissingTableFile) {
  WriteTables({0x1111}, {});
  ASSERT_TRUE(LoadLanguage());
  std::filesystem::remove(dir_ / "Language");
  EXPECT_FALSE(core::WriteLanguage());
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Language"));
  EXPECT_EQ(platform_.TakeMessages(), std::vector<std::string>{std::string(kLanguageNotFound)});
}

TEST_F(WriteLanguageTest, WriteThenLoadGivesTheSameTables) {
  std::vector<Code> big5(14758);
  std::vector<Code> gb(22729);
  for (std::size_t k = 0; k < big5.size(); ++k) big5[k] = static_cast<Code>(k * 7919);
  for (std::size_t k = 0; k < gb.size(); ++k) gb[k] = static_cast<Code>(k * 104729);
  WriteTables(big5, gb);
  ASSERT_TRUE(LoadLanguage());
  const auto written = ReadLanguage();
  ASSERT_TRUE(core::WriteLanguage());
  EXPECT_EQ(ReadLanguage(), written);
  ASSERT_TRUE(LoadLanguage());
  EXPECT_EQ(GetBIG5Table(), big5);
  EXPECT_EQ(GetGBTable(), gb);
}

}  // namespace
}  // namespace kestrane::core
