// What the conversion scan does with every byte pair, derived from one table whenever the
// tables change, so that the scan needs one lookup per step and no classification.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/StreamScan.h"
#include "core/Tables.h"

namespace kestrane::core {

// The ways this build can run the scan; all give the same bytes.
enum class ScanKernel { Portable, Sse2 };

struct PairLookup {
  // An entry below this holds the two output bytes of a pair in memory order (one 16-bit
  // store writes them); this value means "copy the lead byte alone and go on at the trail".
  static constexpr std::uint32_t kCopyLead = 0x10000;

  // Indexed by the two bytes of a pair read as one 16-bit value in memory order.
  std::array<std::uint32_t, 0x10000> entries;

  // The lookup for a direction from the table of its source encoding (absent: copy everything).
  static std::shared_ptr<const PairLookup> Build(Direction direction, const Table& table);

  // Converts input[0, size) into output and returns the bytes consumed (and written); a last
  // byte that may lead a pair is left unconsumed unless last is true. Uses the fastest kernel.
  std::size_t Scan(const char* input, std::size_t size, char* output, bool last) const;
  std::size_t ScanWith(ScanKernel kernel, const char* input, std::size_t size, char* output,
                       bool last) const;

  // The kernels this build and this processor can run, fastest last.
  static std::vector<ScanKernel> AvailableKernels();
};

}  // namespace kestrane::core
