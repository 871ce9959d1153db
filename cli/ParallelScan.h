// The table scan of one input on several threads. Pieces are read one after another, each cut
// where the text before it converts on its own; the pieces are then converted side by side and
// written in the order they were read, so the output is that of one scan of the whole input.
#pragma once

#include <cstddef>

#include "cli/InputFile.h"
#include "cli/OutputFile.h"
#include "core/StreamScan.h"

namespace kestrane::cli {

struct ParallelScanShape {
  // Threads converting, the calling one included; the others start once a read comes back
  // full, which a small file or a terminal may never do.
  unsigned threads;
  // Bytes asked for by one read; a piece may be shorter (a pipe) or carry up to `reach` bytes
  // of the read before.
  std::size_t readSize;
  // How far back from the end of a read a cut is looked for. A read without a cut in reach is
  // converted while the next one waits, which keeps any input correct, only slower.
  std::size_t reach;
};

// Throws the first error of any thread (reading or writing) once all threads have stopped.
void ScanInParallel(InputFile& input, const core::StreamScan& scan, OutputFile& output,
                    const ParallelScanShape& shape);

}  // namespace kestrane::cli
