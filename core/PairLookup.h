// What the conversion scan does with every byte pair, derived from one table whenever the
// tables change, so that the scan needs one lookup per step and no classification.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/StreamScan.h"
#include "core/Tables.h"

namespace kestrane::core {

struct PairLookup {
  // An entry below this is the code a pair converts to; this value means "copy the lead byte
  // alone and go on at the trail byte".
  static constexpr std::uint32_t kCopyLead = 0x10000;

  // Indexed by lead << 8 | trail.
  std::array<std::uint32_t, 0x10000> entries;

  // The lookup for a direction from the table of its source encoding (absent: copy everything).
  static std::shared_ptr<const PairLookup> Build(Direction direction, const Table& table);

  // Converts input[0, size) into output and returns the bytes consumed (and written); a last
  // byte that may lead a pair is left unconsumed unless last is true.
  std::size_t Scan(const char* input, std::size_t size, char* output, bool last) const;
};

}  // namespace kestrane::core
