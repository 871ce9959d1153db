#include "cli/StreamConversion.h"

#include <memory>
#include <stdexcept>

#include "cli/ConversionStages.h"
#include "cli/InputFile.h"

namespace kestrane::cli {
namespace {

// The blocks of a conversion, made once for all inputs. In front of the input block is room
// for one byte: a lead byte held back at the end of one read, until its trail is read.
struct Blocks {
  std::unique_ptr<char[]> input = std::make_unique_for_overwrite<char[]>(1 + kReadBlockSize);
  std::unique_ptr<char[]> output = std::make_unique_for_overwrite<char[]>(1 + kReadBlockSize);
};

// The table scan alone: read, scan into the output block, write, with no other copy.
void ScanInput(InputFile& input, const core::StreamScan& scan, Blocks& blocks, OutputFile& output) {
  std::size_t held = 0;
  while (true) {
    const std::size_t read = input.Read({blocks.input.get() + held, kReadBlockSize});
    const bool last = read == 0;
    const std::size_t size = held + read;
    const std::size_t done = scan.Convert(blocks.input.get(), size, blocks.output.get(), last);
    output.Write({blocks.output.get(), done});
    if (last) return;
    held = size - done;
    if (held != 0) blocks.input[0] = blocks.input[done];
  }
}

// The scan between the code page conversions of --utf8.
void ConvertThroughChain(InputFile& input, ConversionChain chain, Blocks& blocks,
                         OutputFile& output) {
  while (true) {
    const std::size_t read = input.Read({blocks.input.get(), kReadBlockSize});
    const bool last = read == 0;
    output.Write(chain.Push({blocks.input.get(), read}, last));
    if (last) return;
  }
}

}  // namespace

void ConvertInputs(const std::vector<std::string>& inputs, core::Direction direction, bool utf8,
                   OutputFile& output) {
  // One scan serves every input: the tables load once, and a missing file is reported once.
  const core::StreamScan scan(direction);
  Blocks blocks;
  const std::vector<std::string> names = inputs.empty() ? std::vector<std::string>{"-"} : inputs;
  for (const auto& name : names) {
    InputFile input(name);
    if (!utf8) {
      ScanInput(input, scan, blocks, output);
      continue;
    }
    try {
      ConvertThroughChain(input, MakeUtf8ConversionChain(scan, direction), blocks, output);
    } catch (const platform::CodePageError& error) {
      throw std::runtime_error(input.name() + ": " + error.what());
    }
  }
}

}  // namespace kestrane::cli
