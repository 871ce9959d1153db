// The scan of one direction with the tables of one moment, derived from its table whenever the
// tables change.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

#include "core/PairEntries.h"
#include "core/StreamScan.h"
#include "core/Tables.h"

namespace kestrane::core {

// The ways this build can run the scan; all give the same bytes.
enum class ScanKernel { Portable, Sse2, Avx2 };

class PairLookup {
 public:
  // The lookup for a direction from the table of its source encoding (absent: copy everything).
  static std::shared_ptr<const PairLookup> Build(Direction direction, const Table& table);

  PairLookup(Direction direction, std::vector<Code> codes);

  // Converts input[0, size) into output and returns the bytes consumed (and written); a last
  // byte that may lead a pair is left unconsumed unless last is true. Uses the fastest kernel.
  std::size_t Scan(const char* input, std::size_t size, char* output, bool last) const;
  std::size_t ScanWith(ScanKernel kernel, const char* input, std::size_t size, char* output,
                       bool last) const;

  // The kernels this build and this processor can run, fastest last.
  static std::vector<ScanKernel> AvailableKernels();

 private:
  // The entries are filled on the first scan: a process that converts in one direction only
  // (the command-line tool) never spends the time and memory of the other.
  const PairEntries& Entries() const;

  Direction direction_;
  std::vector<Code> codes_;
  mutable std::once_flag filled_;
  mutable PairEntries entries_;
};

}  // namespace kestrane::core
