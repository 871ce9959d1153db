#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/StreamScan.h"
#include "core/TableFile.h"
#include "core/TableState.h"
#include "core/Tables.h"
#include "support/CaseName.h"
#include "support/CoreFixture.h"
#include "support/ReferenceScan.h"

namespace kestrane::core {
namespace {

using test::CoreFixture;

class ScanTest : public CoreFixture {};

TEST_F(ScanTest, MapsPairsAndCopiesEverythingElse) {
  std::vector<Code> gb(1411, 0x2020);
  gb[1410] = 0xA4A4;  // B0 A1
  WriteTables({}, gb);
  EXPECT_EQ(ConvertGBtoBIG5("\x41\xB0\xA1\x42"), "\x41\xA4\xA4\x42");
}

struct ScanCase {
  const char* name;
  std::string input;
  std::string output;
};

// GBTable: slot 0 (A1 A1) -> 0x0041, slot 1 (A1 A2) -> filler; 2 slots in all.
// BIG5Table: 10 slots, slot 0 (A1 40) -> 0xB0A1.
class ScanEdgeTest : public CoreFixture, public testing::WithParamInterface<ScanCase> {};

TEST_P(ScanEdgeTest, GBtoBIG5AndBack) {
  WriteTables({0xB0A1, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {0x0041, 0x2020});
  const auto& param = GetParam();
  const bool fromGB = std::string_view(param.name).starts_with("gb");
  EXPECT_EQ(fromGB ? ConvertGBtoBIG5(param.input) : ConvertBIG5toGB(param.input), param.output);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScanEdgeTest,
    testing::Values(ScanCase{"gbEmpty", "", ""},
                    ScanCase{"gbZeroHighByte", "\xA1\xA1", std::string("\x00\x41", 2)},
                    ScanCase{"gbFillerGivesSpaces", "x\xA1\xA2y", "x  y"},
                    ScanCase{"gbIndexEqualToCountCopiesLead", "\xA1\xA3", "\xA1\xA3"},
                    ScanCase{"gbLoneLeadAtEnd", "a\xB0", "a\xB0"},
                    ScanCase{"gbUnmappedLeadThenPair", "\xA1\xA1\xA1",
                             std::string("\x00\x41\xA1", 3)},
                    ScanCase{"big5Mapped", "\xA1\x40", "\xB0\xA1"},
                    // A1 A1 has index 63, past the 10 slots: the lead is copied and the scan goes
                    // on at the second A1, which pairs with the following 40.
                    ScanCase{"big5UnmappedRescansTrail", "\xA1\xA1\x40", "\xA1\xB0\xA1"},
                    ScanCase{"big5AsciiUntouched", "plain text 123", "plain text 123"}),
    test::CaseName());

TEST_F(ScanTest, WithoutATableFileEverythingIsCopiedAndReported) {
  EXPECT_EQ(ConvertGBtoBIG5("\xA1\xA1"), "\xA1\xA1");
  EXPECT_EQ(ConvertBIG5toGB("\xA1\x40"), "\xA1\x40");
  // Each operation tries the load again, so each reports the missing file.
  EXPECT_EQ(platform_.TakeMessages().size(), 2u);
}

TEST_F(ScanTest, TablesOfZeroElementsAreLoadedOnce) {
  WriteLanguage("[BIG5]\r\n[GB]\r\n");
  EXPECT_EQ(ConvertGBtoBIG5("\xB0\xA1"), "\xB0\xA1");
  std::filesystem::remove(dir_ / "Language");
  EXPECT_EQ(ConvertBIG5toGB("\xA4\xA4"), "\xA4\xA4");
  EXPECT_TRUE(platform_.messages().empty());
}

// A cut may only follow a byte that no pair can take as its trail: letters and "@[\\]^_`{|}~"
// can trail a pair in both encodings, so only bytes below 0x40 qualify.
struct CutCase {
  const char* name;
  std::string text;
  std::size_t reach;
  std::size_t cut;
};

class IndependentCutTest : public testing::TestWithParam<CutCase> {};

TEST_P(IndependentCutTest, FollowsTheLastByteNoPairCanTake) {
  const auto& param = GetParam();
  EXPECT_EQ(IndependentCut(param.text.data(), param.text.size(), param.reach), param.cut);
}

INSTANTIATE_TEST_SUITE_P(Cases, IndependentCutTest,
                         testing::Values(CutCase{"empty", "", 8, 0},
                                         CutCase{"afterNewline", "\xB0\xA1\n\xB0\xA1", 8, 3},
                                         CutCase{"afterLastOfSeveral", "a b c", 8, 4},
                                         CutCase{"notAfterATrailLetter", "\xB0\x41", 8, 0},
                                         CutCase{"notAfterTilde", "1\xA1\x7E", 8, 1},
                                         CutCase{"atTheEnd", "\xB0\xA1.", 8, 3},
                                         CutCase{"zeroByte", std::string("\xB0\x00\xA1", 3), 8, 2},
                                         CutCase{"byteBelowReach", "\naaaa", 4, 0},
                                         CutCase{"byteJustWithinReach", "\naaaa", 5, 1}),
                         test::CaseName());

// Random tables (with counts that stop part-way through the index space) and random text
// biased towards double-byte ranges: the fast scan gives exactly the reference bytes, whole
// and when fed in pieces of any size or cut where the pieces convert on their own.
class RandomScanTest : public CoreFixture {
 protected:
  std::mt19937 random_{20261211};

  std::vector<Code> RandomTable(std::int32_t space) {
    std::uniform_int_distribution<std::int32_t> countOf(0, space + 50);
    std::vector<Code> table(static_cast<std::size_t>(countOf(random_)));
    std::uniform_int_distribution<int> code(0, 0xFFFF);
    for (auto& entry : table) entry = static_cast<Code>(code(random_));
    return table;
  }

  std::string RandomText() {
    std::uniform_int_distribution<std::size_t> length(0, 400);
    std::uniform_int_distribution<int> lowByte(0, 0x7F);
    std::uniform_int_distribution<int> highByte(0x80, 0xFF);
    std::bernoulli_distribution high(0.7);
    std::string text(length(random_), '\0');
    for (auto& c : text)
      c = static_cast<char>(high(random_) ? highByte(random_) : lowByte(random_));
    return text;
  }

  // Each kernel this build has, not only the one the machine picks.
  static void ExpectEveryKernelGives(const std::string& text, const std::string& gbExpected,
                                     const std::string& big5Expected) {
    const auto snapshot = detail::CurrentSnapshot();
    for (const auto kernel : PairLookup::AvailableKernels()) {
      std::string output(text.size(), '\0');
      snapshot->gbToBIG5->ScanWith(kernel, text.data(), text.size(), output.data(), true);
      ASSERT_EQ(output, gbExpected) << static_cast<int>(kernel);
      snapshot->big5ToGB->ScanWith(kernel, text.data(), text.size(), output.data(), true);
      ASSERT_EQ(output, big5Expected) << static_cast<int>(kernel);
    }
  }

  std::string ScanInPieces(Direction direction, const std::string& text) {
    const StreamScan scan(direction);
    std::string output;
    std::string pending;
    std::uniform_int_distribution<std::size_t> pieceSize(1, 7);
    std::size_t position = 0;
    while (position < text.size()) {
      const auto size = std::min(pieceSize(random_), text.size() - position);
      pending += text.substr(position, size);
      position += size;
      std::string out(pending.size(), '\0');
      const auto done = scan.Convert(pending.data(), pending.size(), out.data(), false);
      output += out.substr(0, done);
      pending.erase(0, done);
    }
    std::string out(pending.size(), '\0');
    EXPECT_EQ(scan.Convert(pending.data(), pending.size(), out.data(), true), pending.size());
    return output + out;
  }

  // The text cut where IndependentCut says, with a random reach, and each side converted as a
  // text of its own.
  std::string ScanCutIndependently(Direction direction, const std::string& text) {
    const StreamScan scan(direction);
    std::uniform_int_distribution<std::size_t> reachOf(0, text.size());
    const std::size_t reach = reachOf(random_);
    const std::size_t cut = IndependentCut(text.data(), text.size(), reach);
    EXPECT_LE(text.size() - cut, cut == 0 ? text.size() : reach);
    std::string output(text.size(), '\0');
    EXPECT_EQ(scan.Convert(text.data(), cut, output.data(), true), cut);
    EXPECT_EQ(scan.Convert(text.data() + cut, text.size() - cut, output.data() + cut, true),
              text.size() - cut);
    return output;
  }
};

TEST_F(RandomScanTest, MatchesReferenceWholeInPiecesAndCutIndependently) {
  for (int round = 0; round < 40; ++round) {
    const auto big5 = RandomTable(kBIG5IndexSpace);
    const auto gb = RandomTable(kGBIndexSpace);
    WriteTables(big5, gb);
    ASSERT_TRUE(LoadLanguage());
    for (int sample = 0; sample < 50; ++sample) {
      const auto text = RandomText();
      const auto gbExpected = test::ReferenceScan(text, gb, GBCount(), IsGBChar, GBIndex);
      const auto big5Expected = test::ReferenceScan(text, big5, BIG5Count(), IsBIG5Char, BIG5Index);
      ASSERT_EQ(ConvertGBtoBIG5(text), gbExpected);
      ASSERT_EQ(ConvertBIG5toGB(text), big5Expected);
      ASSERT_EQ(ScanInPieces(Direction::GBtoBIG5, text), gbExpected);
      ASSERT_EQ(ScanInPieces(Direction::BIG5toGB, text), big5Expected);
      ASSERT_EQ(ScanCutIndependently(Direction::GBtoBIG5, text), gbExpected);
      ASSERT_EQ(ScanCutIndependently(Direction::BIG5toGB, text), big5Expected);
      ExpectEveryKernelGives(text, gbExpected, big5Expected);
    }
  }
}

}  // namespace
}  // namespace kestrane::core
