// gb2big5 and big52gb: conversions through the table file, byte for byte and in UTF-8.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "ToolFixture.h"
#include "cli/StreamConversion.h"
#include "support/CaseName.h"
#include "support/ReferenceScan.h"

namespace kestrane::test {
namespace {

using testing::HasSubstr;

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (auto part : parts) text += part;
  return text;
}

// The conversion of the whole text at once, as the product defines it, with the small table.
std::string WholeScan(const std::string& command, std::string_view text) {
  if (command == "gb2big5") {
    auto table = SmallGBTable();
    return ReferenceScan(text, table, static_cast<std::int32_t>(table.size()), core::IsGBChar,
                         core::GBIndex);
  }
  auto table = SmallBIG5Table();
  return ReferenceScan(text, table, static_cast<std::int32_t>(table.size()), core::IsBIG5Char,
                       core::BIG5Index);
}

struct ConversionCase {
  std::string name;
  std::string command;
  std::string input;
  std::string expected;
};

class ConversionTest : public ToolFixture, public testing::WithParamInterface<ConversionCase> {};

TEST_P(ConversionTest, ConvertsStandardInputByTheTable) {
  const auto& param = GetParam();
  auto result = Run({param.command}, param.input);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, param.expected);
  EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConversionTest,
    testing::Values(
        ConversionCase{"GBPairBetweenAscii", "gb2big5", Concat({"A", kGBGuo, "B"}),
                       Concat({"A", kBIG5Guo, "B"})},
        ConversionCase{"BIG5PairBetweenAscii", "big52gb", Concat({"A", kBIG5Guo, "B"}),
                       Concat({"A", kGBGuo, "B"})},
        ConversionCase{"BothGBPairs", "gb2big5", Concat({kGBA, kGBGuo}),
                       Concat({kBIG5A, kBIG5Guo})},
        ConversionCase{"UnassignedGBSlotGivesItsCode", "gb2big5", "\xB0\xA2", "\xA1\x48"},
        ConversionCase{"GBPairPastTheTableIsCopied", "gb2big5", "\xD6\xD0", "\xD6\xD0"},
        ConversionCase{"BIG5PairPastTheTableIsCopied", "big52gb", "\xC5\xE9", "\xC5\xE9"},
        ConversionCase{"LoneLeadByteAtTheEndIsCopied", "gb2big5",
                       Concat({"x", kGBGuo.substr(0, 1)}), Concat({"x", kGBGuo.substr(0, 1)})},
        ConversionCase{"ZeroBytesPass", "gb2big5",
                       Concat({std::string(1, '\0'), kGBGuo, std::string(1, '\0')}),
                       Concat({std::string(1, '\0'), kBIG5Guo, std::string(1, '\0')})},
        ConversionCase{"LineEndsPassUnchanged", "big52gb", Concat({kBIG5Guo, "\r\n", kBIG5A, "\n"}),
                       Concat({kGBGuo, "\r\n", kGBA, "\n"})},
        ConversionCase{"EmptyInput", "gb2big5", "", ""}),
    CaseName());

using InputTest = ToolFixture;

TEST_F(InputTest, ConvertsEachInputAsATextOfItsOwn) {
  // The lead byte ending a.txt does not pair with the first byte of standard input.
  client_.Write("a.txt", Concat({kGBGuo, kGBGuo.substr(0, 1)}));
  client_.Write("b.txt", kGBA);
  auto result = Run({"gb2big5", (client_ / "a.txt").string(), "-", (client_ / "b.txt").string()},
                    std::string(kGBGuo.substr(1)));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, Concat({kBIG5Guo, kGBGuo, kBIG5A}));
}

TEST_F(InputTest, WritesTheOutputFileOfOptionO) {
  client_.Write("in.txt", kGBGuo);
  auto result =
      Run({"gb2big5", "-o", (client_ / "out.txt").string(), (client_ / "in.txt").string()});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(ReadBytes(client_ / "out.txt"), kBIG5Guo);
}

TEST_F(InputTest, OutputFileThatIsAnInputIsRefusedAndKept) {
  const auto input = client_.Write("in.txt", kGBGuo);
  std::filesystem::create_hard_link(input, client_ / "link.txt");
  for (const auto& output : {input, client_ / "." / "in.txt", client_ / "link.txt"}) {
    auto result =
        Run({"gb2big5", (client_ / "a.txt").string(), input.string(), "-o", output.string()});
    EXPECT_EQ(result.exitCode, 2) << output;
    EXPECT_THAT(result.err, HasSubstr("would be emptied before it is read")) << output;
    EXPECT_EQ(ReadBytes(input), kGBGuo) << output;
  }
}

TEST_F(InputTest, MissingInputFileIsAnErrorNamingIt) {
  auto result = Run({"big52gb", (client_ / "absent.txt").string()});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_THAT(result.err, HasSubstr("absent.txt"));
}

TEST_F(InputTest, MissingTableFileCopiesTheInputAndExitsOne) {
  std::filesystem::remove(client_ / "Language");
  auto result = Run({"gb2big5"}, Concat({"A", kGBGuo}));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, Concat({"A", kGBGuo}));
  EXPECT_EQ(result.err, "kestrane: 找不到 Language 档 !!\n");
}

// Large inputs are read in blocks; the result must not depend on where a block ends.
class BlockBoundaryTest : public ToolFixture, public testing::WithParamInterface<std::string> {};

TEST_P(BlockBoundaryTest, PairAcrossTheBlockBoundaryIsConverted) {
  const std::string& command = GetParam();
  const auto pair = command == "gb2big5" ? kGBGuo : kBIG5Guo;
  std::string input(2 * cli::kReadBlockSize + 10, 'a');
  input.replace(cli::kReadBlockSize - 1, 2, pair);
  input.replace(2 * cli::kReadBlockSize - 1, 2, pair);
  auto result = Run({command}, input);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  ASSERT_EQ(result.out.size(), input.size());
  EXPECT_EQ(result.out.substr(cli::kReadBlockSize - 1, 2),
            command == "gb2big5" ? kBIG5Guo : kGBGuo);
  EXPECT_EQ(result.out, WholeScan(command, input));
}

TEST_P(BlockBoundaryTest, RandomBytesConvertAsOneWholeScan) {
  // Mostly high bytes, so that pairs (mapped, unmapped, past the table) run across blocks in
  // every alignment; every byte value occurs, zero included.
  const std::string& command = GetParam();
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> kind(0, 9);
  std::uniform_int_distribution<int> anyByte(0, 255);
  const std::string_view pairs[] = {kGBGuo, kBIG5Guo, kGBA, kBIG5A};
  std::string input;
  while (input.size() < 2 * cli::kReadBlockSize + 1000) {
    int k = kind(random);
    if (k < 6) {
      input += pairs[static_cast<std::size_t>(k % 4)];
    } else {
      input += static_cast<char>(anyByte(random));
    }
  }
  auto result = Run({command}, input);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  ASSERT_EQ(result.out.size(), input.size());
  EXPECT_TRUE(result.out == WholeScan(command, input));
}

TEST_P(BlockBoundaryTest, PipeOfOddPiecesConvertsAsOneWholeScan) {
  // A pipe hands the tool pieces of whatever size was written, so pairs are cut everywhere.
  const std::string& command = GetParam();
  std::mt19937 random(20240612);
  std::uniform_int_distribution<int> kind(0, 9);
  const std::string_view pairs[] = {kGBGuo, kBIG5Guo, kGBA, kBIG5A};
  std::string input;
  while (input.size() < 3 * cli::kReadBlockSize) {
    const int k = kind(random);
    input += k < 8 ? pairs[static_cast<std::size_t>(k % 4)] : "a";
  }
  for (const std::size_t piece : {1u, 4093u, 65537u}) {
    auto result = RunKestrane({{"--client-dir", client_.path().string(), command},
                               piece == 1 ? input.substr(0, 5000) : input,
                               {},
                               piece});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out == WholeScan(command, piece == 1 ? input.substr(0, 5000) : input))
        << "pieces of " << piece;
  }
}

INSTANTIATE_TEST_SUITE_P(BothDirections, BlockBoundaryTest, testing::Values("gb2big5", "big52gb"));

// --utf8 with the sample table, which maps common characters.
class Utf8ConversionTest : public ToolFixture {
 protected:
  Utf8ConversionTest() {
    std::filesystem::copy_file(KESTRANE_SOURCE_DIR "/examples/Language", client_ / "Language",
                               std::filesystem::copy_options::overwrite_existing);
  }
};

TEST_F(Utf8ConversionTest, ConvertsUtf8BothWays) {
  auto big5 = Run({"--utf8", "gb2big5"}, "我们的国家 ok\n");
  EXPECT_EQ(big5.exitCode, 0) << big5.err;
  EXPECT_EQ(big5.out, "我們的國家 ok\n");
  auto gb = Run({"big52gb", "--utf8"}, big5.out);
  EXPECT_EQ(gb.exitCode, 0) << gb.err;
  EXPECT_EQ(gb.out, "我们的国家 ok\n");
}

struct Utf8ErrorCase {
  std::string name;
  std::string command;
  std::string input;
  std::string expected;  // in the message
};

class Utf8ErrorTest : public Utf8ConversionTest,
                      public testing::WithParamInterface<Utf8ErrorCase> {};

TEST_P(Utf8ErrorTest, FailsNamingTheByteOffset) {
  const auto& param = GetParam();
  auto result = Run({"--utf8", param.command}, param.input);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_THAT(result.err, HasSubstr("kestrane: standard input: "));
  EXPECT_THAT(result.err, HasSubstr(param.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8ErrorTest,
    testing::Values(
        // An emoji has no GBK form; it starts after 国 家 (3 bytes each) and x.
        Utf8ErrorCase{"CharacterWithoutGBForm", "gb2big5", "国家x\xF0\x9F\x98\x80", "at offset 7"},
        // Simplified 国 has no BIG5 form.
        Utf8ErrorCase{"CharacterWithoutBIG5Form", "big52gb", "中国", "at offset 3"},
        Utf8ErrorCase{"InvalidUtf8", "gb2big5", "ab\xFF", "at offset 2"},
        Utf8ErrorCase{"TruncatedUtf8AtTheEnd", "gb2big5", "ab\xE5\x9B", "at offset 2"},
        // 丂 (GB 81 40) is not in the table and is copied; a BIG5 lead byte is never 81.
        Utf8ErrorCase{"CopiedCharacterInvalidInTheTarget", "gb2big5", "ab丂",
                      "the converted text: cannot convert the bytes 81 40 at offset 2"}),
    CaseName());

}  // namespace
}  // namespace kestrane::test
