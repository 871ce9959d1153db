// The scan in plain C++, for any little-endian processor.
#include <bit>
#include <cstring>

#include "core/BlockScan.h"
#include "core/ScanKernels.h"

namespace kestrane::core::scan {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the high-byte mask numbers the bytes of a word from its low end");

struct WordBlock {
  // Gathers the top bit of each byte of a word into its low 8 bits, byte 0 first.
  static std::uint64_t HighBits(std::uint64_t word) {
    constexpr std::uint64_t kTopBits = 0x8080808080808080ULL;
    // Each top bit lands on its own bit of the high byte, and no two partial products meet.
    constexpr std::uint64_t kGather = 0x0002040810204081ULL;
    return ((word & kTopBits) * kGather) >> 56;
  }

  static std::uint64_t CopyAndFindHigh(const std::uint8_t* input, char* output) {
    std::uint64_t high = 0;
    for (std::size_t offset = 0; offset < kBlockSize; offset += sizeof(std::uint64_t)) {
      std::uint64_t word;
      std::memcpy(&word, input + offset, sizeof word);
      std::memcpy(output + offset, &word, sizeof word);
      high |= HighBits(word) << offset;
    }
    return high;
  }
};

}  // namespace

std::size_t ScanPortable(const PairEntries& entries, const std::uint8_t* input, std::size_t size,
                         char* output, bool last) {
  return ScanInBlocks<WordBlock>(entries, input, size, output, last);
}

}  // namespace kestrane::core::scan
