// The block kernels against the scan written step by step: every kernel this machine can run,
// on texts shaped to reach each of their paths (whole blocks of pairs, pairs across block
// ends, unmapped leads at every offset of a block, short and ragged ends, streams in pieces).
#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "core/LeadMask.h"
#include "core/PairLookup.h"
#include "support/ReferenceScan.h"

namespace kestrane::core {
namespace {

// The leads of a block by the rule itself: a high byte leads unless the byte before led.
BlockLeads LeadsOneByOne(std::uint64_t high, std::uint64_t carry) {
  std::uint64_t leads = 0;
  std::uint64_t previous = carry;
  for (unsigned bit = 0; bit < 64; ++bit) {
    const std::uint64_t lead = (high >> bit) & 1 & ~previous;
    leads |= lead << bit;
    previous = lead;
  }
  return {leads, previous};
}

TEST(LeadMaskTest, MatchesTheRuleOneByteAtATime) {
  std::mt19937_64 random(11);
  std::vector<std::uint64_t> masks = {
      0, ~0ULL, 0x5555555555555555ULL, 0xAAAAAAAAAAAAAAAAULL, 1ULL << 63, 0x8000000000000001ULL};
  for (int i = 0; i < 20000; ++i) {
    // Denser and sparser masks, so that runs of every length occur.
    const std::uint64_t a = random(), b = random();
    masks.push_back(i % 3 == 0 ? a | b : i % 3 == 1 ? a & b : a);
  }
  for (const std::uint64_t high : masks) {
    for (const std::uint64_t carry : {0ULL, 1ULL}) {
      const BlockLeads expected = LeadsOneByOne(high, carry);
      const BlockLeads found = FindLeads(high, carry);
      ASSERT_EQ(found.leads, expected.leads) << std::hex << high << " carry " << carry;
      ASSERT_EQ(found.carry, expected.carry) << std::hex << high << " carry " << carry;
    }
  }
}

struct SourceEncoding {
  Direction direction;
  std::int32_t space;
  bool (*isChar)(std::uint8_t, std::uint8_t);
  std::int32_t (*indexOf)(std::string_view);
};

void PrintTo(const SourceEncoding& encoding, std::ostream* os) {
  *os << (encoding.direction == Direction::GBtoBIG5 ? "GB to BIG5" : "BIG5 to GB");
}

const SourceEncoding kGB{Direction::GBtoBIG5, kGBIndexSpace, IsGBChar, GBIndex};
const SourceEncoding kBIG5{Direction::BIG5toGB, kBIG5IndexSpace, IsBIG5Char, BIG5Index};

class ScanKernelTest : public testing::TestWithParam<SourceEncoding> {
 protected:
  std::mt19937 random_{20261211};

  // Every slot of the index space mapped.
  static std::vector<Code> FullTable(std::int32_t space) {
    std::vector<Code> table(static_cast<std::size_t>(space));
    for (std::size_t k = 0; k < table.size(); ++k) table[k] = static_cast<Code>(0x8140 + k * 7);
    return table;
  }

  // A character the direction maps when the whole index space is in the table.
  std::string MappedPair() {
    std::uniform_int_distribution<int> lead(0xB0, 0xF7);
    std::uniform_int_distribution<int> trail(0xA1, 0xFE);
    std::uniform_int_distribution<int> lowTrail(0x40, 0x7E);
    std::bernoulli_distribution low(0.3);
    // Rows B0..F7 take trails 40..7E in both encodings (GB from row AA on).
    const int trailByte = low(random_) ? lowTrail(random_) : trail(random_);
    return {static_cast<char>(lead(random_)), static_cast<char>(trailByte)};
  }

  // Runs of characters between short runs of ASCII, with a stray high byte now and then.
  std::string RealisticText(std::size_t size) {
    std::geometric_distribution<int> run(0.08);
    std::geometric_distribution<int> ascii(0.2);
    std::uniform_int_distribution<int> asciiByte(0x20, 0x7E);
    std::bernoulli_distribution stray(0.02);
    std::string text;
    while (text.size() < size) {
      for (int n = run(random_); n > 0; --n) text += MappedPair();
      for (int n = ascii(random_); n > 0; --n) text += static_cast<char>(asciiByte(random_));
      if (stray(random_)) text += '\xFF';
    }
    text.resize(size);
    return text;
  }

  static void ExpectEveryKernelGives(const PairLookup& lookup, const std::string& text,
                                     const std::string& expected) {
    for (const auto kernel : PairLookup::AvailableKernels()) {
      std::string output(text.size(), '\0');
      EXPECT_EQ(lookup.ScanWith(kernel, text.data(), text.size(), output.data(), true),
                text.size());
      ASSERT_EQ(output, expected) << "kernel " << static_cast<int>(kernel) << ", " << text.size()
                                  << " bytes";
    }
  }

  static std::string Reference(const SourceEncoding& d, const std::vector<Code>& table,
                               const std::string& text) {
    return test::ReferenceScan(text, table, static_cast<std::int32_t>(table.size()), d.isChar,
                               d.indexOf);
  }
};

TEST_P(ScanKernelTest, EveryLengthUpToFiveBlocksOfPairs) {
  const auto& d = GetParam();
  const auto table = FullTable(d.space);
  const auto lookup = PairLookup::Build(d.direction, table);
  std::string pairs;
  while (pairs.size() < 5 * 64 + 3) pairs += MappedPair();
  for (std::size_t size = 0; size <= 5 * 64 + 3; ++size) {
    const std::string text = pairs.substr(0, size);
    ExpectEveryKernelGives(*lookup, text, Reference(d, table, text));
    // Shifted by one byte, so that pairs straddle every block end.
    const std::string shifted = "a" + text;
    ExpectEveryKernelGives(*lookup, shifted, Reference(d, table, shifted));
  }
}

TEST_P(ScanKernelTest, RealisticTextWithFullTables) {
  const auto& d = GetParam();
  const auto table = FullTable(d.space);
  const auto lookup = PairLookup::Build(d.direction, table);
  for (int round = 0; round < 20; ++round) {
    const std::string text = RealisticText(20000 + static_cast<std::size_t>(round));
    ExpectEveryKernelGives(*lookup, text, Reference(d, table, text));
  }
}

TEST_P(ScanKernelTest, UnmappedLeadAtEveryOffsetOfABlock) {
  const auto& d = GetParam();
  // The table stops 200 slots short, so that A8 40 (GB) and FE FE (BIG5) are characters the
  // direction recognises but does not map: only the lead is copied, and the trail goes on.
  auto table = FullTable(d.space);
  table.resize(table.size() - 200);
  const auto lookup = PairLookup::Build(d.direction, table);
  const std::string unmapped = d.direction == Direction::GBtoBIG5 ? "\xA8\x40" : "\xFE\xFE";
  std::string pairs;
  while (pairs.size() < 4 * 64) pairs += "\xB0\xA1";
  for (std::size_t offset = 0; offset < 3 * 64; ++offset) {
    for (const std::string& lead : {unmapped, std::string("\xFF"), std::string("\x80")}) {
      std::string text = pairs;
      text.replace(offset, lead.size(), lead);
      ExpectEveryKernelGives(*lookup, text, Reference(d, table, text));
    }
  }
}

TEST_P(ScanKernelTest, RandomTablesAndBytes) {
  const auto& d = GetParam();
  std::uniform_int_distribution<std::int32_t> count(0, d.space + 50);
  std::uniform_int_distribution<int> code(0, 0xFFFF);
  std::uniform_real_distribution<double> highShare(0, 1);
  for (int round = 0; round < 60; ++round) {
    std::vector<Code> table(static_cast<std::size_t>(count(random_)));
    for (auto& entry : table) entry = static_cast<Code>(code(random_));
    const auto lookup = PairLookup::Build(d.direction, table);
    std::bernoulli_distribution high(highShare(random_));
    std::string text(std::uniform_int_distribution<std::size_t>(0, 3000)(random_), '\0');
    for (auto& c : text) {
      c = static_cast<char>(high(random_) ? 0x80 + random_() % 0x80 : random_() % 0x80);
    }
    ExpectEveryKernelGives(*lookup, text, Reference(d, table, text));
  }
}

TEST_P(ScanKernelTest, StreamInPiecesOfAnySize) {
  const auto& d = GetParam();
  const auto table = FullTable(d.space);
  const auto lookup = PairLookup::Build(d.direction, table);
  const std::string text = RealisticText(50000);
  const std::string expected = Reference(d, table, text);
  std::uniform_int_distribution<std::size_t> pieceSize(1, 700);
  for (const auto kernel : PairLookup::AvailableKernels()) {
    std::string output;
    std::string pending;
    for (std::size_t position = 0; position < text.size();) {
      const std::size_t size = std::min(pieceSize(random_), text.size() - position);
      pending += text.substr(position, size);
      position += size;
      std::string out(pending.size(), '\0');
      const std::size_t done =
          lookup->ScanWith(kernel, pending.data(), pending.size(), out.data(), false);
      // Only a last byte that may lead a pair is held back.
      ASSERT_GE(done + 1, pending.size());
      output += out.substr(0, done);
      pending.erase(0, done);
    }
    std::string out(pending.size(), '\0');
    lookup->ScanWith(kernel, pending.data(), pending.size(), out.data(), true);
    ASSERT_EQ(output + out, expected) << "kernel " << static_cast<int>(kernel);
  }
}

std::string DirectionName(const testing::TestParamInfo<SourceEncoding>& encoding) {
  return encoding.param.direction == Direction::GBtoBIG5 ? "GBtoBIG5" : "BIG5toGB";
}

INSTANTIATE_TEST_SUITE_P(Directions, ScanKernelTest, testing::Values(kGB, kBIG5), DirectionName);

}  // namespace
}  // namespace kestrane::core
