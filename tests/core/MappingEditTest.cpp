#include <gtest/gtest.h>

#include <filesystem>

#include "core/MappingEdit.h"
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
using Messages = std::vector<std::string>;

const std::string kClear(kClearKeyword);
const std::string kNotFound(kLanguageNotFound);

class SaveCodeOrderTest : public CoreFixture {
 protected:
  // 538 BIG5 slots (A4 A4 is 537) and 100 GB slots.
  SaveCodeOrderTest() : big5_(538, 0x1111), gb_(100, 0x2222) {
    WriteTables(big5_, gb_);
    original_ = ReadLanguage();
  }

  void ExpectFileAndTablesUnchanged() {
    EXPECT_EQ(ReadLanguage(), original_);
    EXPECT_EQ(GetBIG5Table(), big5_);
    EXPECT_EQ(GetGBTable(), gb_);
  }

  std::vector<Code> big5_;
  std::vector<Code> gb_;
  std::string original_;
};

TEST_F(SaveCodeOrderTest, RecordsBothDirectionsAndSavesAtOnce) {
  EXPECT_TRUE(SaveCodeOrder("\xA4\xA4", "A4A4", "\xB0\xA1", "B0A1"));
  EXPECT_EQ(GetBIG5Table()->at(537), 0xB0A1);
  ASSERT_EQ(GBCount(), 1411);  // grown to the GB slot 1410
  EXPECT_EQ(GetGBTable()->at(1410), 0xA4A4);
  EXPECT_EQ(ConvertGBtoBIG5("\xB0\xA1"), "\xA4\xA4");
  EXPECT_EQ(ConvertBIG5toGB("\xA4\xA4"), "\xB0\xA1");
  EXPECT_EQ(ReadBytes(dir_ / "Language.bak"), original_);
  EXPECT_TRUE(platform_.messages().empty());

  auto gb = gb_;
  gb.resize(1411, 0x2020);  // the grown slots hold the filler
  gb[1410] = 0xA4A4;
  auto big5 = big5_;
  big5[537] = 0xB0A1;
  EXPECT_EQ(ReadLanguage(), LanguageText(big5, gb));
}

TEST_F(SaveCodeOrderTest, ClearKeywordSetsTheOtherTableToTheFiller) {
  EXPECT_TRUE(SaveCodeOrder("\xA4\xA4", kClear, "\xB0\xA1", "B0A1"));
  EXPECT_EQ(GetBIG5Table(), big5_);  // BIG5Table untouched, whatever BIG5Char is
  EXPECT_EQ(GetGBTable()->at(1410), 0x2020);

  EXPECT_TRUE(SaveCodeOrder("\xA1\x40", "A4A4", "\xB0\xA1", kClear));
  EXPECT_EQ(GetBIG5Table()->at(0), 0x2020);  // the slot of a cleared character counts as 0
}

TEST_F(SaveCodeOrderTest, BothKeywordsRewriteTheFileUnchanged) {
  EXPECT_TRUE(SaveCodeOrder("", kClear, "", kClear));
  ExpectFileAndTablesUnchanged();
  EXPECT_TRUE(std::filesystem::exists(dir_ / "Language.bak"));
}

TEST_F(SaveCodeOrderTest, OnlyFourCharactersOfACodeAreRead) {
  EXPECT_TRUE(SaveCodeOrder("\xA4\xA4", "A4A4FF", "\xB0\xA1", "B0A1"));
  EXPECT_EQ(GetGBTable()->at(1410), 0xA4A4);
}

struct NoIndexCase {
  const char* name;
  std::string big5Char;
  std::string gbChar;
};

class NoIndexTest : public SaveCodeOrderTest, public testing::WithParamInterface<NoIndexCase> {};

TEST_P(NoIndexTest, RejectedBeforeAnythingChanges) {
  EXPECT_FALSE(SaveCodeOrder(GetParam().big5Char, "A4A4", GetParam().gbChar, "B0A1"));
  EXPECT_EQ(platform_.TakeMessages(), Messages{std::string(kIndexBelowZero)});
  ExpectFileAndTablesUnchanged();
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Language.bak"));
}

INSTANTIATE_TEST_SUITE_P(Characters, NoIndexTest,
                         testing::Values(NoIndexCase{"oneByteBIG5", "\xA4", "\xB0\xA1"},
                                         NoIndexCase{"asciiBIG5", "ab", "\xB0\xA1"},
                                         NoIndexCase{"gbUserArea", "\xA4\xA4", "\xAA\xA1"},
                                         NoIndexCase{"emptyGB", "\xA4\xA4", ""}),
                         test::CaseName());

struct BadCodeCase {
  const char* name;
  std::string big5Code;
  std::string gbCode;
};

class BadCodeTest : public SaveCodeOrderTest, public testing::WithParamInterface<BadCodeCase> {};

// A rejected code shows its error; the file on disk is the last good state, so it stays as it
// is (the previous save is not undone) and memory is reloaded from it.
TEST_P(BadCodeTest, ShowsTheErrorAndKeepsTheLastGoodState) {
  ASSERT_TRUE(SaveCodeOrder("\xA1\x40", "A1A1", "\xA1\xA1", "B0B0"));
  big5_ = *GetBIG5Table();
  gb_ = *GetGBTable();
  original_ = ReadLanguage();
  const auto backup = ReadBytes(dir_ / "Language.bak");

  // FE FE lies beyond BIG5Count, so the BIG5 table has grown when the code is rejected.
  EXPECT_FALSE(SaveCodeOrder("\xFE\xFE", GetParam().big5Code, "\xB0\xA1", GetParam().gbCode));
  const auto messages = platform_.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  const auto& badCode = GetParam().big5Code == "A4A4" ? GetParam().gbCode : GetParam().big5Code;
  EXPECT_NE(messages[0].find(badCode), std::string::npos) << messages[0];
  ExpectFileAndTablesUnchanged();
  EXPECT_EQ(ReadBytes(dir_ / "Language.bak"), backup);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Language.err"));
}

INSTANTIATE_TEST_SUITE_P(Codes, BadCodeTest,
                         testing::Values(BadCodeCase{"lowercaseGB", "A4A4", "a1a1"},
                                         BadCodeCase{"ownDollarGB", "A4A4", "$B0A1"},
                                         BadCodeCase{"lowercaseBIG5", "a4a4", "B0A1"},
                                         BadCodeCase{"shortBIG5", "A4A", "B0A1"}),
                         test::CaseName());

TEST_F(SaveCodeOrderTest, KeywordOfAnotherCodePageIsACodeText) {
  const std::string clearInCodePage950 = "\xB2\x4D\xAA\xC5";
  EXPECT_FALSE(SaveCodeOrder("\xA4\xA4", clearInCodePage950, "\xB0\xA1", "B0A1"));
  EXPECT_EQ(platform_.TakeMessages().size(), 1u);
  ExpectFileAndTablesUnchanged();
}

TEST_F(SaveCodeOrderTest, FileMissingAtWriteTimeLeavesTheTablesAsBefore) {
  ASSERT_TRUE(LoadLanguage());
  std::filesystem::remove(dir_ / "Language");
  EXPECT_FALSE(SaveCodeOrder("\xA4\xA4", "A4A4", "\xB0\xA1", "B0A1"));
  EXPECT_EQ(platform_.TakeMessages(), Messages{kNotFound});
  EXPECT_EQ(GetBIG5Table(), big5_);
  EXPECT_EQ(GetGBTable(), gb_);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Language"));
}

TEST_F(SaveCodeOrderTest, BadCodeWithoutATableFile) {
  ASSERT_TRUE(LoadLanguage());
  std::filesystem::remove(dir_ / "Language");
  EXPECT_FALSE(SaveCodeOrder("\xA4\xA4", "A4A4", "\xB0\xA1", "b0a1"));
  const auto messages = platform_.TakeMessages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1], kNotFound);
  EXPECT_EQ(GetBIG5Table(), big5_);
}

TEST_F(SaveCodeOrderTest, ReloadFailureAfterABadCodeReachesTheCaller) {
  ASSERT_TRUE(LoadLanguage());
  WriteLanguage("GBOrder[0]=$zzzz\r\n");  // spoiled by hand after the load
  EXPECT_THROW(SaveCodeOrder("\xA4\xA4", "A4A4", "\xB0\xA1", "b0a1"), TableFileError);
  EXPECT_EQ(platform_.TakeMessages().size(), 1u);  // the first error's text
  EXPECT_EQ(GetBIG5Table(), big5_);
}

class NoFileAtAllTest : public CoreFixture {};

TEST_F(NoFileAtAllTest, BothKeywords) {
  EXPECT_FALSE(SaveCodeOrder("", kClear, "", kClear));
  EXPECT_EQ(platform_.TakeMessages(), Messages{kNotFound});
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Language"));
}

TEST_F(NoFileAtAllTest, ACodeToSet) {
  EXPECT_FALSE(SaveCodeOrder("\xA4\xA4", "A4A4", "\xB0\xA1", "B0A1"));
  const auto messages = platform_.TakeMessages();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0], kNotFound);
  EXPECT_NE(messages[1].find("never loaded"), std::string::npos) << messages[1];
  EXPECT_EQ(messages[2], kNotFound);
  EXPECT_FALSE(GetBIG5Table().has_value());
}

// A platform whose backup copy, line writes, flush-and-replace fail on request.
class FaultyPlatform : public test::RecordingPlatform {
 public:
  enum class Fault { None, Copy, Line, Commit };
  Fault fault = Fault::None;
  std::size_t failingLine = 0;

  bool CopyFileOver(const std::string& from, const std::string& to) override {
    return fault != Fault::Copy && RecordingPlatform::CopyFileOver(from, to);
  }

  std::unique_ptr<platform::ReplacementWriter> ReplaceFile(const std::string& path) override {
    return std::make_unique<Writer>(*this, RecordingPlatform::ReplaceFile(path));
  }

 private:
  class Writer : public platform::ReplacementWriter {
   public:
    Writer(FaultyPlatform& owner, std::unique_ptr<platform::ReplacementWriter> real)
        : owner_(owner), real_(std::move(real)) {}
    void WriteLine(std::string_view line) override {
      if (owner_.fault == Fault::Line && lines_++ == owner_.failingLine) {
        throw platform::IoError("disk full");
      }
      real_->WriteLine(line);
    }
    void Commit() override {
      if (owner_.fault == Fault::Commit) throw platform::IoError("flush failed");
      real_->Commit();
    }

   private:
    FaultyPlatform& owner_;
    std::unique_ptr<platform::ReplacementWriter> real_;
    std::size_t lines_ = 0;
  };
};

struct FaultCase {
  const char* name;
  FaultyPlatform::Fault fault;
  std::size_t failingLine;
};

class FaultTest : public SaveCodeOrderTest, public testing::WithParamInterface<FaultCase> {
 protected:
  FaultyPlatform faulty_;
};

TEST_P(FaultTest, AFailedWriteLosesNothing) {
  faulty_.SetClientDir(dir_.path());
  ASSERT_TRUE(LoadLanguage());
  faulty_.fault = GetParam().fault;
  faulty_.failingLine = GetParam().failingLine;
  EXPECT_FALSE(SaveCodeOrder("\xA4\xA4", "A4A4", "\xB0\xA1", "B0A1"));
  EXPECT_EQ(faulty_.TakeMessages().size(), 1u);
  ExpectFileAndTablesUnchanged();
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
    const auto name = entry.path().filename().string();
    EXPECT_TRUE(name == "Language" || name == "Language.bak") << name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultTest,
    testing::Values(FaultCase{"firstLine", FaultyPlatform::Fault::Line, 0},
                    FaultCase{"aBIG5Line", FaultyPlatform::Fault::Line, 300},
                    FaultCase{"theGBHeader", FaultyPlatform::Fault::Line, 539},
                    FaultCase{"lastLine", FaultyPlatform::Fault::Line, 539 + 1411},
                    FaultCase{"flushAndReplace", FaultyPlatform::Fault::Commit, 0}),
    test::CaseName());

TEST_F(FaultTest, AFailedBackupCopyStillSaves) {
  faulty_.SetClientDir(dir_.path());
  faulty_.fault = FaultyPlatform::Fault::Copy;
  EXPECT_TRUE(SaveCodeOrder("\xA4\xA4", "A4A4", "\xB0\xA1", "B0A1"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Language.bak"));
  EXPECT_EQ(GetGBTable()->at(1410), 0xA4A4);
}

}  // namespace
}  // namespace kestrane::core
