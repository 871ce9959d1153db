// save-order: one BIG5/GB correspondence recorded in both tables and saved at once.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ToolFixture.h"
#include "support/CaseName.h"

namespace kestrane::test {
namespace {

using testing::HasSubstr;
using testing::StartsWith;

// Line k + 1 of a table listing: the code at index k.
std::string LineOf(const std::string& listing, std::int32_t k) {
  std::size_t start = 0;
  for (std::int32_t line = 0; line < k; ++line) start = listing.find('\n', start) + 1;
  return listing.substr(start, listing.find('\n', start) - start);
}

// BIG5 體 (C5 E9) and GB 体 (CC E5) lie past the ends of the small tables.
constexpr std::string_view kBIG5Ti = "\xC5\xE9";
constexpr std::string_view kGBTi = "\xCC\xE5";

struct SaveCase {
  std::string name;
  std::vector<std::string> args;
};

class SaveOrderTest : public ToolFixture, public testing::WithParamInterface<SaveCase> {};

TEST_P(SaveOrderTest, MapsEachCharacterToTheOtherAndSavesAtOnce) {
  const std::string before = ReadLanguage();
  auto saved = Run(GetParam().args);
  ASSERT_EQ(saved.exitCode, 0) << saved.err;
  EXPECT_EQ(saved.out + saved.err, "");
  EXPECT_EQ(ReadBytes(client_ / "Language.bak"), before);

  // Each run of the tool loads the file afresh: the mapping is in the file.
  EXPECT_EQ(Run({"gb2big5"}, std::string(kGBTi)).out, kBIG5Ti);
  EXPECT_EQ(Run({"big52gb"}, std::string(kBIG5Ti)).out, kGBTi);
  const std::string big5 = Run({"big5-table"}).out;
  const std::int32_t index = core::BIG5Index(kBIG5Ti);
  EXPECT_EQ(LineOf(big5, index + 1), "");  // the table ends with the new slot
  EXPECT_EQ(LineOf(big5, index), "$CCE5");
  EXPECT_EQ(LineOf(big5, index - 1), "$2020");  // grown, never assigned
}

INSTANTIATE_TEST_SUITE_P(
    Forms, SaveOrderTest,
    testing::Values(
        SaveCase{"Bytes", {"save-order", std::string(kBIG5Ti), "C5E9", std::string(kGBTi), "CCE5"}},
        SaveCase{"Utf8", {"--utf8", "save-order", "體", "C5E9", "体", "CCE5"}}),
    CaseName());

class ClearKeywordTest : public ToolFixture, public testing::WithParamInterface<SaveCase> {};

TEST_P(ClearKeywordTest, ClearsOnlyTheOtherDirection) {
  auto saved = Run(GetParam().args);
  ASSERT_EQ(saved.exitCode, 0) << saved.err;
  // 国 now converts to two spaces; 國 still converts to 国.
  EXPECT_EQ(Run({"gb2big5"}, std::string(kGBGuo)).out, "  ");
  EXPECT_EQ(Run({"big52gb"}, std::string(kBIG5Guo)).out, kGBGuo);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ClearKeywordTest,
    testing::Values(SaveCase{"Bytes",
                             {"save-order", std::string(kBIG5Guo), "\xC7\xE5\xBF\xD5",
                              std::string(kGBGuo), "B9FA"}},
                    SaveCase{"Utf8", {"--utf8", "save-order", "國", "清空", "国", "B9FA"}}),
    CaseName());

struct RefusedCase {
  std::string name;
  std::vector<std::string> args;
  int exitCode;
  std::string message;
};

class RefusedSaveTest : public ToolFixture, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedSaveTest, LeavesTheTableFileAsItWas) {
  const auto& param = GetParam();
  const std::string before = ReadLanguage();
  auto result = Run(param.args);
  EXPECT_EQ(result.exitCode, param.exitCode);
  EXPECT_THAT(result.err, StartsWith("kestrane: " + param.message));
  EXPECT_EQ(ReadLanguage(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedSaveTest,
    testing::Values(RefusedCase{"OneByteCharacter",
                                {"save-order", "A", "B0A1", std::string(kGBA), "A4A4"},
                                1,
                                "编码顺序有小于 0,保存失败!!\n"},
                    // The edit fails on the code; the recovery shows the error and keeps the file.
                    RefusedCase{
                        "LowercaseCode",
                        {"save-order", std::string(kBIG5Ti), "C5E9", std::string(kGBTi), "cce5"},
                        1,
                        ""},
                    RefusedCase{"Utf8CharacterWithoutBIG5Form",
                                {"--utf8", "save-order", "国", "B9FA", "国", "B9FA"},
                                2,
                                "BIG5CHAR: "},
                    RefusedCase{"Utf8CharacterWithoutGBForm",
                                {"--utf8", "save-order", "國", "B9FA", "한", "B0EA"},
                                2,
                                "GBCHAR: "}),
    CaseName());

using SaveFailureTest = ToolFixture;

TEST_F(SaveFailureTest, NoTableFileAnswersFalse) {
  std::filesystem::remove(client_ / "Language");
  auto result = Run({"save-order", std::string(kBIG5A), "B0A1", std::string(kGBA), "A4A4"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, HasSubstr("kestrane: 找不到 Language 档 !!\n"));
  EXPECT_FALSE(std::filesystem::exists(client_ / "Language"));
}

TEST_F(SaveFailureTest, TableFileThatCannotBeLoadedIsARaisedError) {
  const std::string broken = "[BIG5]\r\nBIG5Order[0]=$zzzz\r\n[GB]\r\n";
  client_.Write("Language", broken);
  auto result = Run({"save-order", std::string(kBIG5A), "B0A1", std::string(kGBA), "A4A4"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_THAT(result.err, HasSubstr("$zzzz"));
  EXPECT_EQ(ReadLanguage(), broken);
}

}  // namespace
}  // namespace kestrane::test
