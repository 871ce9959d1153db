#include "cli/StreamConversion.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <thread>

#include "cli/ConversionStages.h"
#include "cli/InputFile.h"
#include "cli/ParallelScan.h"

namespace kestrane::cli {
namespace {

// Pieces are looked for a cut in their last 16 KiB: text has a line end or a space (or an
// ASCII digit or sign) far more often than that.
constexpr std::size_t kCutReach = std::size_t{16} << 10;

// Reading and writing take turns, so threads beyond four would mostly wait.
ParallelScanShape ToolScanShape() {
  const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  return {threads, kReadBlockSize, kCutReach};
}

// The scan between the code page conversions of --utf8.
void ConvertThroughChain(InputFile& input, ConversionChain chain, OutputFile& output) {
  const auto block = std::make_unique_for_overwrite<char[]>(kReadBlockSize);
  while (true) {
    const std::size_t read = input.Read({block.get(), kReadBlockSize});
    const bool last = read == 0;
    output.Write(chain.Push({block.get(), read}, last));
    if (last) return;
  }
}

}  // namespace

void ConvertInputs(const std::vector<std::string>& inputs, core::Direction direction, bool utf8,
                   OutputFile& output) {
  // One scan serves every input: the tables load once, and a missing file is reported once.
  const core::StreamScan scan(direction);
  const ParallelScanShape shape = ToolScanShape();
  const std::vector<std::string> names = inputs.empty() ? std::vector<std::string>{"-"} : inputs;
  for (const auto& name : names) {
    InputFile input(name);
    if (!utf8) {
      // The scan writes as many bytes as it reads.
      if (const auto size = input.RemainingSize()) output.Reserve(*size);
      ScanInParallel(input, scan, output, shape);
      continue;
    }
    try {
      ConvertThroughChain(input, MakeUtf8ConversionChain(scan, direction), output);
    } catch (const platform::CodePageError& error) {
      throw std::runtime_error(input.name() + ": " + error.what());
    }
  }
}

}  // namespace kestrane::cli
