// The table file that ships with the tool: it loads, the product writes it back unchanged,
// and it converts real text.
#include <gtest/gtest.h>

#include <string>

#include "core/CodeIndex.h"
#include "core/TableFile.h"
#include "core/Tables.h"
#include "platform/CodePage.h"
#include "support/CoreFixture.h"

namespace kestrane::test {
namespace {

using core::Code;
using platform::kCodePageBIG5;
using platform::kCodePageGB;

constexpr Code kFiller = 0x2020;
// What a code page's undefined byte pair reads as.
const std::u16string kUndefined = u"\uFFFD";

class ShippedLanguageTest : public CoreFixture {
 protected:
  ShippedLanguageTest() {
    WriteLanguage(shipped_);
    core::LoadLanguage();
  }

  const std::string shipped_ = ReadBytes(KESTRANE_SHIPPED_LANGUAGE);
};

std::string GB(std::u16string_view text) {
  return platform::FromUtf16(kCodePageGB, text);
}
std::string BIG5(std::u16string_view text) {
  return platform::FromUtf16(kCodePageBIG5, text);
}

TEST_F(ShippedLanguageTest, FillsTheWholeIndexSpaceOfBothEncodings) {
  EXPECT_EQ(core::BIG5Count(), core::kBIG5IndexSpaceToFE);
  EXPECT_EQ(core::GBCount(), core::kGBIndexSpace);
}

TEST_F(ShippedLanguageTest, IsWhatTheProductWritesForTheSameTables) {
  ASSERT_TRUE(core::WriteLanguage());
  EXPECT_EQ(ReadLanguage(), shipped_);
}

TEST_F(ShippedLanguageTest, ConvertsSimplifiedTextToTraditional) {
  EXPECT_EQ(core::ConvertGBtoBIG5(GB(u"国家发展，后来这里干部")), BIG5(u"國家發展，後來這裡幹部"));
}

TEST_F(ShippedLanguageTest, ConvertsTraditionalTextToSimplified) {
  EXPECT_EQ(core::ConvertBIG5toGB(BIG5(u"國家發展，後來這裡幹部")), GB(u"国家发展，后来这里干部"));
}

TEST_F(ShippedLanguageTest, ShowsAFullwidthQuestionMarkWhereTheTargetHasNoCharacter) {
  // 晗 has no form in code page 950; the unassigned GB code A2AB has no character at all.
  EXPECT_EQ(core::ConvertGBtoBIG5(GB(u"李晗")), BIG5(u"李？"));
  EXPECT_EQ(core::ConvertGBtoBIG5("\xA2\xAB"), BIG5(u"？"));
}

// Every code in a table must be a character of the target encoding that has a slot in the
// opposite table, and never the filler, which would turn text into spaces.
TEST_F(ShippedLanguageTest, HoldsOnlyCharactersOfTheTargetEncoding) {
  const auto gbTable = core::GetGBTable();
  const auto big5Table = core::GetBIG5Table();
  ASSERT_TRUE(gbTable && big5Table);
  for (Code code : *gbTable) {
    const auto bytes = core::CodeToChar(code);
    ASSERT_NE(code, kFiller);
    ASSERT_GE(core::BIG5Index(bytes), 0) << core::CodeToHex(code);
    ASSERT_LT(core::BIG5Index(bytes), core::kBIG5IndexSpaceToFE) << core::CodeToHex(code);
    ASSERT_NE(platform::ToUtf16(kCodePageBIG5, bytes), kUndefined) << core::CodeToHex(code);
  }
  for (Code code : *big5Table) {
    const auto bytes = core::CodeToChar(code);
    ASSERT_NE(code, kFiller);
    ASSERT_GE(core::GBIndex(bytes), 0) << core::CodeToHex(code);
    ASSERT_NE(platform::ToUtf16(kCodePageGB, bytes), kUndefined) << core::CodeToHex(code);
  }
}

}  // namespace
}  // namespace kestrane::test
