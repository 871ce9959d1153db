// Table files that users and other programs damage: each loads as the line rules say or fails
// whole with a short message naming file and line, and a load takes memory in proportion to
// the file.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "AllocationMeter.h"
#include "core/TableFile.h"
#include "core/Tables.h"
#include "support/CaseName.h"
#include "support/CoreFixture.h"

namespace kestrane::core {
namespace {

using namespace std::string_literals;

constexpr std::size_t kHugeLine = 10 * 1024 * 1024;
constexpr std::size_t kManyLines = 10'000'000;
// A load holds two bytes per entry line, and the reader's buffer and a copy of the longest
// line; the buffer may reach twice the line while it grows. Beyond that only the lookups of
// the new tables and the host configuration, well below the overhead.
constexpr std::size_t kBytesPerFileByte = 3;
constexpr std::size_t kLoadOverhead = 2 * 1024 * 1024;
constexpr std::size_t kLongestMessage = 300;

struct Tables {
  std::vector<Code> big5;
  std::vector<Code> gb;
};

struct BadTableCase {
  const char* name;
  std::string (*file)();
  // Nothing when the load must fail with an error mentioning failure.
  std::optional<Tables> (*expected)();
  const char* failure = "";
};

void PrintTo(const BadTableCase& badCase, std::ostream* out) {
  *out << badCase.name;
}

std::optional<Tables> Failure() {
  return std::nullopt;
}

class BadTableFileTest : public test::CoreFixture,
                         public testing::WithParamInterface<BadTableCase> {};

TEST_P(BadTableFileTest, LoadsByTheRulesOrFailsWholeInBoundedMemory) {
  WriteTables({0x1111}, {0x2222});
  ASSERT_TRUE(LoadLanguage());
  const std::string file = GetParam().file();
  WriteLanguage(file);
  const auto expected = GetParam().expected();

  const test::AllocationMeter meter;
  try {
    EXPECT_TRUE(LoadLanguage());
    EXPECT_TRUE(expected) << "the load should have failed";
  } catch (const TableFileError& error) {
    const std::string message = error.what();
    EXPECT_FALSE(expected) << message;
    EXPECT_NE(message.find(GetParam().failure), std::string::npos) << message;
    EXPECT_LE(message.size(), kLongestMessage) << message.substr(0, kLongestMessage);
  }
  EXPECT_LE(meter.PeakGrowth(), kBytesPerFileByte * file.size() + kLoadOverhead);

  const Tables now = expected.value_or(Tables{{0x1111}, {0x2222}});
  EXPECT_EQ(GetBIG5Table(), now.big5);
  EXPECT_EQ(GetGBTable(), now.gb);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadTableFileTest,
    testing::Values(
        BadTableCase{"hugeLineWithoutLineEnd",
                     [] { return "GBOrder[0]=$B0A1" + std::string(kHugeLine, 'x'); },
                     []() -> std::optional<Tables> {
                       return Tables{{}, {0xB0A1}};
                     }},
        // A stray line among the entries takes the GB slot and has no code.
        BadTableCase{"hugeLineInsideTheTables",
                     [] {
                       return "BIG5Order[0]=$A1A1\r\n" + std::string(kHugeLine, 'x') +
                              "\r\nGBOrder[0]=$B0A1\r\n";
                     },
                     Failure, "line 2: \"xxxxxxxx"},
        BadTableCase{"hugeValueInsideTheTables",
                     [] { return "GBOrder[0]=$" + std::string(kHugeLine, 'x') + "\r\n"; }, Failure,
                     "line 1: \"GBOrder[0]=$xxxx"},
        BadTableCase{"hugeLineAfterTheTables",
                     [] { return "BIG5Order[0]=$A1A1\r\n" + std::string(kHugeLine, 'x'); },
                     []() -> std::optional<Tables> {
                       return Tables{{0xA1A1}, {}};
                     }},
        BadTableCase{"nulInsideACode", [] { return "GBOrder[0]=$B0\0A1\r\n"s; }, Failure, "line 1"},
        BadTableCase{"nulAfterACode", [] { return "GBOrder[0]=$B0A1\0\0\r\n"s; },
                     []() -> std::optional<Tables> {
                       return Tables{{}, {0xB0A1}};
                     }},
        // A NUL is a byte below 0x20: a line of NULs is blank.
        BadTableCase{"nulLinesAreBlank", [] { return "\0\0\r\nBIG5Order[0]=$A1A1\r\n\0\r\n"s; },
                     []() -> std::optional<Tables> {
                       return Tables{{0xA1A1}, {}};
                     }},
        BadTableCase{"crOnlyLineEnds",
                     [] {
                       return "[BIG5]\rBIG5Order[0]=$A1A1\r[GB]\rGBOrder[0]=$B0A1\r"
                              "GBOrder[1]=$0041\r"s;
                     },
                     []() -> std::optional<Tables> {
                       return Tables{{0xA1A1}, {0xB0A1, 0x0041}};
                     }},
        BadTableCase{"noFinalLineEnd",
                     [] { return "[BIG5]\r\nBIG5Order[0]=$A1A1\r\n[GB]\r\nGBOrder[0]=$B0A1"s; },
                     []() -> std::optional<Tables> {
                       return Tables{{0xA1A1}, {0xB0A1}};
                     }},
        // Far more entries than any character can address: all of them load.
        BadTableCase{"tenMillionEntryLines",
                     [] {
                       std::string file = "[GB]\r\n";
                       file.reserve(file.size() + kManyLines * 9);
                       for (std::size_t k = 0; k < kManyLines; ++k) file += "GB=$ABCD\n";
                       return file;
                     },
                     []() -> std::optional<Tables> {
                       return Tables{{}, std::vector<Code>(kManyLines, 0xABCD)};
                     }},
        BadTableCase{"keptLineWithoutEqualsAfterTheTables",
                     [] { return "BIG5Order[0]=$A1A1\r\nnote without a value\r\n"s; },
                     []() -> std::optional<Tables> {
                       return Tables{{0xA1A1}, {}};
                     }},
        // Tables fill by position among the kept lines, not by section: the first entry goes
        // to the BIG5 table whatever its header says.
        BadTableCase{"big5SectionAfterTheGBOne",
                     [] { return "[GB]\r\nGBOrder[0]=$B0A1\r\n[BIG5]\r\nBIG5Order[0]=$A1A1\r\n"s; },
                     []() -> std::optional<Tables> {
                       return Tables{{0xB0A1}, {0xA1A1}};
                     }}),
    test::CaseName());

}  // namespace
}  // namespace kestrane::core
