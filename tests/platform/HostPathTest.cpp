#include "platform/posix/HostPath.h"

#include <gtest/gtest.h>

#include <string>

#include "support/CaseName.h"

namespace kestrane::platform::posix {
namespace {

struct PathCase {
  const char* name;
  unsigned codePage;
  std::string ansi;
  std::string host;
};

class HostPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(HostPathTest, DecodesBeforeTurningBackslashesIntoSlashes) {
  EXPECT_EQ(HostPath(GetParam().codePage, GetParam().ansi).string(), GetParam().host);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostPathTest,
    testing::Values(PathCase{"Relative", 1252, "Language", "Language"},
                    PathCase{"Separators", 1252, "\\tmp\\app\\Language", "/tmp/app/Language"},
                    PathCase{"Western", 1252, "\\tmp\\caf\xE9\\", "/tmp/café/"},
                    PathCase{"TrailByteBackslashStays", 950, "\\tmp\\\xA5\x5C\\x", "/tmp/功/x"},
                    PathCase{"TrailByteBackslashAtEnd", 950, "\\tmp\\\xA5\x5C", "/tmp/功"},
                    PathCase{"GB", 936, "\\tmp\\\xD6\xD0\xCE\xC4\\Language", "/tmp/中文/Language"},
                    PathCase{"Utf8", 65001, "\\tmp\\\xE5\x8A\x9F", "/tmp/功"}),
    test::CaseName());

}  // namespace
}  // namespace kestrane::platform::posix
