// Arguments of any size from any client: an edit with a huge code text fails with a short
// message and changes nothing, one with a huge character text reads only its first two bytes,
// and a conversion takes no more memory than its result.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "AllocationMeter.h"
#include "core/MappingEdit.h"
#include "core/Tables.h"
#include "support/CaseName.h"
#include "support/CoreFixture.h"

namespace kestrane::core {
namespace {

constexpr std::size_t kHuge = 10 * 1024 * 1024;
constexpr std::size_t kLongestMessage = 300;
// Loading the small tables of the fixture, with their lookups, and the host configuration.
constexpr std::size_t kCallOverhead = 2 * 1024 * 1024;

struct HugeEditCase {
  const char* name;
  std::string big5Char;
  std::string big5Code;
  bool saved;
};

void PrintTo(const HugeEditCase& editCase, std::ostream* out) {
  *out << editCase.name;
}

class HugeEditTest : public test::CoreFixture, public testing::WithParamInterface<HugeEditCase> {};

TEST_P(HugeEditTest, ReadsWhatItNeedsAndFailsWithAShortMessage) {
  WriteTables(std::vector<Code>(538, 0x2020), {});
  const std::string before = ReadLanguage();
  const auto& edit = GetParam();
  EXPECT_EQ(SaveCodeOrder(edit.big5Char, edit.big5Code, "\xB0\xA1", "B0A1"), edit.saved);
  for (const auto& message : platform_.TakeMessages()) {
    EXPECT_LE(message.size(), kLongestMessage) << message.substr(0, kLongestMessage);
  }
  if (edit.saved) {
    EXPECT_EQ(GetBIG5Table()->at(537), 0xB0A1);
  } else {
    EXPECT_EQ(ReadLanguage(), before);
    EXPECT_EQ(GetBIG5Table()->at(537), 0x2020);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Edits, HugeEditTest,
    testing::Values(
        HugeEditCase{"hugeCodeText", "\xA4\xA4", "A4A4" + std::string(kHuge, 'F'), true},
        HugeEditCase{"hugeBadCodeText", "\xA4\xA4", "A4" + std::string(kHuge, 'x'), false},
        HugeEditCase{"hugeCharacterText", "\xA4\xA4" + std::string(kHuge, '\xA4'), "A4A4", true}),
    test::CaseName());

class HugeConversionTest : public test::CoreFixture {};

TEST_F(HugeConversionTest, TakesNoMoreMemoryThanItsResult) {
  WriteTables({}, std::vector<Code>(1411, 0xA4A4));
  ASSERT_TRUE(GetGBTable());
  std::string text;
  for (std::size_t k = 0; k < 16 * 1024 * 1024; ++k)
    text +=
        "\xB0\xA1"
        "a";
  const test::AllocationMeter meter;
  const std::string converted = ConvertGBtoBIG5(text);
  EXPECT_LE(meter.PeakGrowth(), text.size() + kCallOverhead);
  ASSERT_EQ(converted.size(), text.size());
  EXPECT_EQ(converted.substr(0, 6),
            "\xA4\xA4"
            "a\xA4\xA4"
            "a");
}

}  // namespace
}  // namespace kestrane::core
