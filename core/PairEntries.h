// What the conversion scan does with each byte pair: one entry per pair, so that the scan
// needs one lookup per pair and no classification.
#pragma once

#include <array>
#include <cstdint>

namespace kestrane::core {

struct PairEntries {
  // An entry below this holds the two output bytes of a pair in memory order (one 16-bit
  // store writes them); this value means "copy the lead byte alone and go on at the trail".
  static constexpr std::uint32_t kCopyLead = 0x10000;

  // Pairs whose lead byte is below this never map: no such byte leads a pair in either
  // encoding, and the scan copies those bytes without looking them up. Their entries are
  // never written nor read, so that their memory is never touched.
  static constexpr std::uint16_t kFirstMappableCode = 0x8000;

  // Indexed by the code of a pair (lead byte high).
  std::array<std::uint32_t, 0x10000> byCode;
};

}  // namespace kestrane::core
