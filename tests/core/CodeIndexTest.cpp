#include "core/CodeIndex.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kestrane::core {
namespace {

struct IndexCase {
  std::string bytes;
  std::int32_t index;
};

class GBIndexTest : public testing::TestWithParam<IndexCase> {};

TEST_P(GBIndexTest, IndexAndClassifierAgree) {
  const auto& [bytes, index] = GetParam();
  EXPECT_EQ(GBIndex(bytes), index);
  if (bytes.size() >= 2) {
    EXPECT_EQ(IsGBChar(static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[1])),
              index >= 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    RegionBoundsAndGaps, GBIndexTest,
    testing::Values(IndexCase{"\xA1\xA1", 0}, IndexCase{"\xA9\xFE", 845},
                    IndexCase{"\xB0\xA1", 1410}, IndexCase{"\xF7\xFE", 8177},
                    IndexCase{"\x81\x40", 8178}, IndexCase{"\x81\x7F", 8241},
                    IndexCase{"\xA0\xFE", 14289}, IndexCase{"\xAA\x40", 14290},
                    IndexCase{"\xFE\xA0", 22534}, IndexCase{"\xA8\x40", 22535},
                    IndexCase{"\xA9\xA0", 22728}, IndexCase{"\xAA\xA1", -1},
                    IndexCase{"\xAF\xFE", -1}, IndexCase{"\xF8\xA1", -1}, IndexCase{"\xFE\xFE", -1},
                    IndexCase{"\xA1\x40", -1}, IndexCase{"\xA7\xA0", -1}, IndexCase{"\x80\x40", -1},
                    IndexCase{"\xFF\x40", -1}, IndexCase{"\x81\x3F", -1}, IndexCase{"\xB0\xFF", -1},
                    IndexCase{std::string("\xB0\x00", 2), -1}, IndexCase{"", -1},
                    IndexCase{"\xB0", -1}, IndexCase{"\xB0\xA1\x41", 1410}));

class BIG5IndexTest : public testing::TestWithParam<IndexCase> {};

TEST_P(BIG5IndexTest, IndexAndClassifierAgree) {
  const auto& [bytes, index] = GetParam();
  EXPECT_EQ(BIG5Index(bytes), index);
  if (bytes.size() >= 2) {
    EXPECT_EQ(IsBIG5Char(static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[1])),
              index >= 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    ColumnsAndRows, BIG5IndexTest,
    testing::Values(IndexCase{"\xA1\x40", 0}, IndexCase{"\xA1\x7E", 62}, IndexCase{"\xA1\xA1", 63},
                    IndexCase{"\xA1\xFE", 156}, IndexCase{"\xA2\x40", 157},
                    IndexCase{"\xA4\xA4", 537}, IndexCase{"\xFE\xFE", 14757},
                    IndexCase{"\xFF\xA1", 14821}, IndexCase{"\xA1\x7F", -1},
                    IndexCase{"\xA1\xA0", -1}, IndexCase{"\xA1\xFF", -1}, IndexCase{"\xA1\x3F", -1},
                    IndexCase{"\x80\x40", -5181}, IndexCase{std::string("\xA4\x00", 2), -1},
                    IndexCase{"", -1}, IndexCase{"\xA4", -1}, IndexCase{"\xA4\xA4\x41", 537}));

// Over every pair: the classifiers accept exactly the pairs with an index, each index is
// produced once, and the index spaces have the documented sizes.
TEST(CodeIndexSpaceTest, EveryPairClassifiedConsistently) {
  std::set<std::int32_t> gbIndexes;
  std::set<std::int32_t> big5Indexes;
  for (int lead = 0; lead < 256; ++lead) {
    for (int trail = 0; trail < 256; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      const auto l = static_cast<std::uint8_t>(lead);
      const auto t = static_cast<std::uint8_t>(trail);
      ASSERT_EQ(IsGBChar(l, t), GBIndex(pair) != -1) << lead << " " << trail;
      ASSERT_EQ(IsBIG5Char(l, t), BIG5Index(pair) >= 0) << lead << " " << trail;
      if (IsGBChar(l, t)) {
        EXPECT_TRUE(gbIndexes.insert(GBIndex(pair)).second);
      }
      if (IsBIG5Char(l, t)) {
        EXPECT_TRUE(big5Indexes.insert(BIG5Index(pair)).second);
      }
    }
  }
  EXPECT_EQ(gbIndexes.size(), 22165u);
  EXPECT_EQ(*gbIndexes.rbegin(), kGBIndexSpace - 1);
  EXPECT_EQ(gbIndexes.size() + 564, static_cast<std::size_t>(kGBIndexSpace));
  EXPECT_EQ(big5Indexes.size(), static_cast<std::size_t>(kBIG5IndexSpace));
  EXPECT_EQ(*big5Indexes.rbegin(), kBIG5IndexSpace - 1);
}

TEST(CodeToCharTest, KeepsBothBytesEvenWhenZero) {
  EXPECT_EQ(CodeToChar(0xA4A4), "\xA4\xA4");
  EXPECT_EQ(CodeToChar(0x0041), std::string("\x00\x41", 2));
  EXPECT_EQ(CodeToChar(0x4100), std::string("\x41\x00", 2));
}

}  // namespace
}  // namespace kestrane::core
