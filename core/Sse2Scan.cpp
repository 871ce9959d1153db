// The scan with SSE2, which every x86-64 processor has.
#include "core/ScanKernels.h"

#if defined(KESTRANE_SSE2_KERNEL)
#include <emmintrin.h>

#include "core/BlockScan.h"

namespace kestrane::core::scan {
namespace {

struct Sse2Block {
  static std::uint64_t CopyAndFindHigh(const std::uint8_t* input, char* output) {
    std::uint64_t high = 0;
    for (std::size_t offset = 0; offset < kBlockSize; offset += sizeof(__m128i)) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(input + offset));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(output + offset), bytes);
      high |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(bytes)))
              << offset;
    }
    return high;
  }
};

}  // namespace

std::size_t ScanSse2(const PairEntries& entries, const std::uint8_t* input, std::size_t size,
                     char* output, bool last) {
  return ScanInBlocks<Sse2Block>(entries, input, size, output, last);
}

}  // namespace kestrane::core::scan

#endif
