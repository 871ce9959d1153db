// The scan with AVX2, compiled for it here alone and run only where the processor has it.
#include "core/ScanKernels.h"

#if defined(KESTRANE_AVX2_KERNEL)
#include <immintrin.h>

#include "core/BlockScan.h"

namespace kestrane::core::scan {
namespace {

struct Avx2Block {
  [[gnu::target("avx2,bmi,bmi2")]] static std::uint64_t CopyAndFindHigh(const std::uint8_t* input,
                                                                        char* output) {
    std::uint64_t high = 0;
    for (std::size_t offset = 0; offset < kBlockSize; offset += sizeof(__m256i)) {
      const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(input + offset));
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(output + offset), bytes);
      high |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(bytes)))
              << offset;
    }
    return high;
  }
};

}  // namespace

// Flattened so that the shared scan code is compiled into this function for AVX2 as well.
[[gnu::target("avx2,bmi,bmi2"), gnu::flatten]] std::size_t ScanAvx2(const PairEntries& entries,
                                                                    const std::uint8_t* input,
                                                                    std::size_t size, char* output,
                                                                    bool last) {
  return ScanInBlocks<Avx2Block>(entries, input, size, output, last);
}

bool Avx2Supported() {
  __builtin_cpu_init();  // callers may run before the compiler's own start-up code does
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
         __builtin_cpu_supports("bmi2");
}

}  // namespace kestrane::core::scan

#endif
