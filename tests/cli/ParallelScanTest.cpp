// The tool's scan on several threads: whatever the threads and wherever reads end or a cut is
// found (or not), the output is that of one scan of the whole input; an error stops them all.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <stdexcept>

#include "cli/ParallelScan.h"
#include "core/Tables.h"
#include "support/CaseName.h"
#include "support/CoreFixture.h"

namespace kestrane::test {
namespace {

using cli::ParallelScanShape;

// Every GB character of the first rows maps, each to a code of its own.
std::vector<core::Code> GBTable() {
  std::vector<core::Code> table(6000);
  for (std::size_t k = 0; k < table.size(); ++k) table[k] = static_cast<core::Code>(0xA140 + k);
  return table;
}

// Texts of random GB pairs (mapped or not), lone high bytes and the given other bytes.
std::string RandomText(std::size_t size, std::string_view others, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> kind(0, 9);
  std::uniform_int_distribution<int> high(0x81, 0xFE);
  std::uniform_int_distribution<std::size_t> other(0, others.empty() ? 0 : others.size() - 1);
  std::string text;
  while (text.size() < size) {
    const int k = kind(random);
    if (k < 7 || others.empty()) {
      text += static_cast<char>(high(random));
      if (k < 6) text += static_cast<char>(high(random) - (k % 2 == 0 ? 0x41 : 0));
    } else {
      text += others[other(random)];
    }
  }
  return text;
}

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

struct ParallelCase {
  std::string name;
  std::string text;
  ParallelScanShape shape;
};

void PrintTo(const ParallelCase& param, std::ostream* out) {
  *out << param.name;
}

class ParallelScanTest : public CoreFixture, public testing::WithParamInterface<ParallelCase> {
 protected:
  ParallelScanTest() { WriteTables({}, GBTable()); }

  void Scan(const std::filesystem::path& in, const std::filesystem::path& out,
            const ParallelScanShape& shape) const {
    cli::InputFile input(in.string());
    cli::OutputFile output(out.string());
    const core::StreamScan scan(core::Direction::GBtoBIG5);
    cli::ScanInParallel(input, scan, output, shape);
    output.Finish();
  }
};

TEST_P(ParallelScanTest, GivesTheScanOfTheWholeInput) {
  const auto& param = GetParam();
  Scan(dir_.Write("in", param.text), dir_ / "out", param.shape);
  EXPECT_TRUE(ReadBytes(dir_ / "out") == core::ConvertGBtoBIG5(param.text));
}

// Reads of 64 bytes make pieces of every kind; the texts end in every way a piece can.
INSTANTIATE_TEST_SUITE_P(
    Cases, ParallelScanTest,
    testing::Values(
        ParallelCase{"emptyInput", "", {2, 64, 16}},
        ParallelCase{"shorterThanARead", RandomText(40, "\n", 1), {4, 64, 16}},
        ParallelCase{"linesTwoThreads", RandomText(20000, "\n", 2), {2, 64, 16}},
        ParallelCase{"linesFourThreads", RandomText(20000, " \n", 3), {4, 64, 16}},
        ParallelCase{"linesOneThread", RandomText(20000, "\n", 4), {1, 64, 16}},
        // Only pairs and lone high bytes: no read has a cut, each converts in turn.
        ParallelCase{"noCutAnywhere", RandomText(20000, "", 5), {3, 64, 16}},
        // Letters trail pairs; a cut is rarely within the 4 bytes of reach.
        ParallelCase{"cutsOftenOutOfReach", RandomText(20000, "abcdefgh\n", 6), {2, 64, 4}},
        ParallelCase{"everyByteValue", RandomText(20000, AllBytes(), 7), {4, 64, 16}},
        ParallelCase{"readsOfOneByte", RandomText(3000, "\n", 8), {2, 1, 1}},
        ParallelCase{"toolShape", RandomText(3 << 20, "\n ,.", 9), {2, 256 << 10, 16 << 10}}),
    CaseName());

TEST_F(ParallelScanTest, WriteErrorStopsEveryThread) {
  const auto in = dir_.Write("in", RandomText(1 << 20, "\n", 10));
  EXPECT_THROW(Scan(in, "/dev/full", {4, 4096, 64}), std::runtime_error);
}

TEST_F(ParallelScanTest, ReadErrorIsThrown) {
  EXPECT_THROW(Scan(dir_.path(), dir_ / "out", {2, 4096, 64}), std::runtime_error);
}

}  // namespace
}  // namespace kestrane::test
