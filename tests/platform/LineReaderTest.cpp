#include "platform/posix/FdLineReader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/CaseName.h"
#include "support/TempDir.h"

namespace kestrane::platform::posix {
namespace {

using namespace std::string_literals;

std::vector<std::string> ReadAll(LineReader& reader) {
  std::vector<std::string> lines;
  std::string line;
  while (reader.ReadLine(line)) lines.push_back(line);
  return lines;
}

struct LinesCase {
  const char* name;
  std::string content;
  std::vector<std::string> lines;
};

class LineReaderTest : public testing::TestWithParam<LinesCase> {};

TEST_P(LineReaderTest, SplitsAtEveryKindOfLineEnd) {
  test::TempDir dir;
  FdLineReader reader(dir.Write("Language", GetParam().content));
  EXPECT_EQ(ReadAll(reader), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, LineReaderTest,
                         testing::Values(LinesCase{"EmptyFile", "", {}},
                                         LinesCase{"CrLf",
                                                   "[BIG5]\r\nBIG5Order[0]=$A1A1\r\n",
                                                   {"[BIG5]", "BIG5Order[0]=$A1A1"}},
                                         LinesCase{"Lf", "a\nb\n", {"a", "b"}},
                                         LinesCase{"LoneCr", "a\rb\r", {"a", "b"}},
                                         LinesCase{"Mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
                                         LinesCase{"LfCrIsTwoLineEnds", "a\n\rb", {"a", "", "b"}},
                                         LinesCase{"EmptyLines", "\r\n\r\n\n", {"", "", ""}},
                                         LinesCase{"NoFinalLineEnd", "a\r\nlast", {"a", "last"}},
                                         LinesCase{"NulKept", "a\0b\r\n\0"s, {"a\0b"s, "\0"s}},
                                         LinesCase{"BlanksKept", "  a  \r\n", {"  a  "}}),
                         test::CaseName());

// Lines that end exactly where a read chunk ends, with the CR and LF of one line end split
// between two chunks.
TEST(LineReaderChunkTest, LineEndsAcrossChunkBoundaries) {
  std::vector<std::string> expected;
  std::string content;
  for (std::size_t length : {262143u, 1u, 262142u, 70000u, 0u, 300000u}) {
    expected.push_back(std::string(length, static_cast<char>('a' + expected.size())));
    content += expected.back() + "\r\n";
  }
  test::TempDir dir;
  FdLineReader reader(dir.Write("chunks", content));
  EXPECT_EQ(ReadAll(reader), expected);
}

// The lines as defined, one byte at a time.
std::vector<std::string> ReferenceLines(const std::string& content) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < content.size(); ++i) {
    if (content[i] != '\r' && content[i] != '\n') {
      line += content[i];
      continue;
    }
    if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    lines.push_back(std::exchange(line, {}));
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// Short lines of random length with every kind of line end, over several chunks of the
// reader's reads.
TEST(LineReaderChunkTest, RandomShortLinesMatchTheDefinition) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> length(0, 90);
  std::uniform_int_distribution<int> ending(0, 3);
  const char* const endings[] = {"\n", "\r", "\r\n", "\n\r"};
  std::string content;
  while (content.size() < 300000) {
    content += std::string(static_cast<std::size_t>(length(random)), 'x') + endings[ending(random)];
  }
  test::TempDir dir;
  for (const std::string& text : {content, content + "tail", content.substr(0, 65537)}) {
    FdLineReader reader(dir.Write("random", text));
    EXPECT_EQ(ReadAll(reader), ReferenceLines(text));
  }
}

TEST(LineReaderChunkTest, TenMegabyteLine) {
  std::string huge(10 * 1024 * 1024, 'x');
  huge[123456] = '\0';
  test::TempDir dir;
  FdLineReader reader(dir.Write("huge", "first\n" + huge + "\r\nlast"));
  EXPECT_EQ(ReadAll(reader), (std::vector<std::string>{"first", huge, "last"}));
}

TEST(LineReaderErrorTest, MissingFileNamesPathAndReason) {
  test::TempDir dir;
  auto missing = dir / "Language";
  try {
    FdLineReader reader(missing);
    FAIL() << "no IoError";
  } catch (const IoError& error) {
    std::string message = error.what();
    EXPECT_NE(message.find(missing.string()), std::string::npos) << message;
    EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;
  }
}

TEST(LineReaderErrorTest, ReadFailureNamesPathAndReason) {
  test::TempDir dir;
  FdLineReader reader(dir.path());
  std::string line;
  try {
    reader.ReadLine(line);
    FAIL() << "no IoError";
  } catch (const IoError& error) {
    std::string message = error.what();
    EXPECT_NE(message.find("cannot read " + dir.path().string()), std::string::npos) << message;
    EXPECT_NE(message.find("Is a directory"), std::string::npos) << message;
  }
}

}  // namespace
}  // namespace kestrane::platform::posix
