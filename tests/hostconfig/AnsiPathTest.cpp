#include "hostconfig/AnsiPath.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrane::hostconfig {
namespace {

struct SeparatorCase {
  unsigned codePage;
  std::string path;
  bool endsWithSeparator;
};

class EndsWithSeparatorTest : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(EndsWithSeparatorTest, TellsSeparatorFromTrailByte) {
  const SeparatorCase& c = GetParam();
  EXPECT_EQ(EndsWithSeparator(c.path, c.codePage), c.endsWithSeparator);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, EndsWithSeparatorTest,
    ::testing::Values(
        SeparatorCase{1252, "", false}, SeparatorCase{1252, "D:\\App", false},
        SeparatorCase{1252, "D:\\App\\", true},
        // In a single-byte code page every 0x5C is a separator.
        SeparatorCase{1252, "D:\\\xB3\x5C", true}, SeparatorCase{936, "D:\\\xB3\x5C", false},
        SeparatorCase{936, "D:\\\xB3\x5C\\", true}, SeparatorCase{950, "D:\\\xA5\x5C", false},
        // A lead byte value as a trail byte: the pair ends before the 0x5C.
        SeparatorCase{936, "\xB3\xB3\x5C", true}, SeparatorCase{936, "\xB3\xB3\xB3\x5C", false},
        SeparatorCase{936, "\x81\x5C", false}, SeparatorCase{936, "\xFE\x5C", false},
        SeparatorCase{936, "\x80\x5C", true}, SeparatorCase{936, "\xFF\x5C", true},
        SeparatorCase{932, "\x95\x5C", false},
        // Half-width katakana are single bytes in code page 932.
        SeparatorCase{932, "\xB3\x5C", true}));

}  // namespace
}  // namespace kestrane::hostconfig
