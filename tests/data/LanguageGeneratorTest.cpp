// The pieces of the table generator, with the real OpenCC dictionaries and the real iconv.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tools/CandidateVotes.h"
#include "tools/CodePageCharacter.h"
#include "tools/GeneratedTable.h"
#include "tools/OpenccConfiguration.h"

namespace kestrane::tools {
namespace {

using Forms = std::vector<std::string>;

const OpenccConfiguration& ToTraditional() {
  static const OpenccConfiguration configuration(KESTRANE_OPENCC_DIR "/s2tw.json");
  return configuration;
}

std::size_t GBSlot(core::Code code) {
  return static_cast<std::size_t>(SlotOf(kGBSpace, code));
}

TEST(OpenccCandidates, OfferEveryFormInOpenccsOrder) {
  EXPECT_EQ(ToTraditional().Candidates("发"), (Forms{"發", "髮"}));
  EXPECT_EQ(ToTraditional().Candidates("干"), (Forms{"幹", "乾", "干"}));
}

TEST(OpenccCandidates, PassThroughEveryStepOfTheChain) {
  // s2tw's second step turns the traditional 裏 into the form used in Taiwan.
  EXPECT_EQ(ToTraditional().Candidates("里"), (Forms{"裡", "里"}));
  EXPECT_EQ(ToTraditional().Candidates("国"), (Forms{"國"}));
}

TEST(CodePageCharacter, DecodesOnlyAssignedCodes) {
  EXPECT_EQ(DecodeCharacter(kGBSpace, 0xB0A1), "啊");
  EXPECT_EQ(DecodeCharacter(kGBSpace, 0xA2AB), std::nullopt);
  EXPECT_EQ(DecodeCharacter(kGBSpace, 0x817F), std::nullopt);
  // BIG5 C6A1 lies in an area that code page 950 gives to the user.
  EXPECT_EQ(DecodeCharacter(kBIG5Space, 0xC6A1), std::nullopt);
}

TEST(CodePageCharacter, EncodesOnlyAsABytePairWithASlot) {
  EXPECT_EQ(EncodeCharacter(kBIG5Space, "發"), core::Code{0xB56F});
  EXPECT_EQ(EncodeCharacter(kBIG5Space, "发"), std::nullopt);
  // Code page 936 writes the euro sign as the single byte 80.
  EXPECT_EQ(EncodeCharacter(kGBSpace, "€"), std::nullopt);
}

TEST(CandidateVotes, CountEachCharacterByTheWeightOfItsWords) {
  const std::vector<WeightedWord> words{{"发展", 100}, {"头发", 10}, {"发", 1}};
  const CandidateVotes votes(words, CandidateVotes::ConvertWords(words, ToTraditional()));
  EXPECT_EQ(votes.Votes("发", "發"), 101u);
  EXPECT_EQ(votes.Votes("发", "髮"), 10u);
  EXPECT_EQ(votes.Votes("头", "頭"), 10u);
}

TEST(CandidateVotes, LeaveOutWordsThatCannotBeLinedUp) {
  const CandidateVotes votes({{"ab", 5}, {"a", 7}}, {{"x", 5}, {"y", 7}});
  EXPECT_EQ(votes.Votes("a", "x"), 0u);
  EXPECT_EQ(votes.Votes("a", "y"), 7u);
}

class GeneratedGBTable : public testing::Test {
 protected:
  // Running text in which 后 stays 后 (as in 皇后) and 发 is never seen.
  static void SetUpTestSuite() {
    const CandidateVotes votes({{"后", 3}}, {{"后", 3}});
    table_ = new GeneratedTable(BuildTable(kGBtoBIG5, ToTraditional(), votes));
  }
  static void TearDownTestSuite() { delete table_; }

  static core::Code Slot(core::Code gb) { return table_->codes[GBSlot(gb)]; }

  static GeneratedTable* table_;
};

GeneratedTable* GeneratedGBTable::table_ = nullptr;

TEST_F(GeneratedGBTable, CoversTheWholeIndexSpace) {
  EXPECT_EQ(table_->codes.size(), static_cast<std::size_t>(core::kGBIndexSpace));
  EXPECT_EQ(table_->kinds.size(), table_->codes.size());
}

TEST_F(GeneratedGBTable, TakesTheMostVotedFormAndOpenccsFirstOnATie) {
  EXPECT_EQ(Slot(0xBAF3), *EncodeCharacter(kBIG5Space, "后"));  // 后
  EXPECT_EQ(Slot(0xB7A2), *EncodeCharacter(kBIG5Space, "發"));  // 发
}

TEST_F(GeneratedGBTable, RecordsEveryChoiceAmongSeveralForms) {
  const auto choice = std::find_if(table_->choices.begin(), table_->choices.end(),
                                   [](const Choice& c) { return c.character == "后"; });
  ASSERT_NE(choice, table_->choices.end());
  EXPECT_EQ(choice->source, 0xBAF3);
  EXPECT_EQ(choice->candidates[choice->chosen].character, "后");
  EXPECT_EQ(choice->candidates[choice->chosen].votes, 3u);
}

TEST_F(GeneratedGBTable, KeepsACharacterBothEncodingsShare) {
  EXPECT_EQ(table_->kinds[GBSlot(0xB0A1)], SlotKind::Itself);  // 啊
  EXPECT_EQ(Slot(0xB0A1), *EncodeCharacter(kBIG5Space, "啊"));
}

TEST_F(GeneratedGBTable, GivesTheReplacementWhereThereIsNothingToMap) {
  // 846 is in the block of slots no GB code produces.
  EXPECT_EQ(table_->codes[846], 0xA148);
  EXPECT_EQ(table_->kinds[846], SlotKind::NoSourceCharacter);
  EXPECT_EQ(table_->kinds[GBSlot(0xA2AB)], SlotKind::NoSourceCharacter);
  EXPECT_EQ(Slot(0xEACF), 0xA148);  // 晗
  EXPECT_EQ(table_->kinds[GBSlot(0xEACF)], SlotKind::NoTargetCharacter);
}

}  // namespace
}  // namespace kestrane::tools
