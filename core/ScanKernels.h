// The scan compiled once per instruction set; PairLookup picks among them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/PairEntries.h"

namespace kestrane::core::scan {

// Each converts input[0, size) into output like PairLookup::Scan.
std::size_t ScanPortable(const PairEntries& entries, const std::uint8_t* input, std::size_t size,
                         char* output, bool last);
#if defined(__SSE2__)
#define KESTRANE_SSE2_KERNEL 1
std::size_t ScanSse2(const PairEntries& entries, const std::uint8_t* input, std::size_t size,
                     char* output, bool last);
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#define KESTRANE_AVX2_KERNEL 1
// Only for a processor with AVX2 and the bit instructions of its time (see Avx2Supported).
std::size_t ScanAvx2(const PairEntries& entries, const std::uint8_t* input, std::size_t size,
                     char* output, bool last);
bool Avx2Supported();
#endif

}  // namespace kestrane::core::scan
