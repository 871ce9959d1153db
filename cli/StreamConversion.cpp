#include "cli/StreamConversion.h"

#include <stdexcept>

#include "cli/ConversionStages.h"
#include "cli/InputFile.h"

namespace kestrane::cli {
namespace {

void ConvertInput(InputFile& input, ConversionChain chain, std::vector<char>& block,
                  OutputFile& output) {
  bool last = false;
  while (!last) {
    const std::size_t size = input.Read(block);
    last = size < block.size();
    output.Write(chain.Push({block.data(), size}, last));
  }
}

}  // namespace

void ConvertInputs(const std::vector<std::string>& inputs, core::Direction direction, bool utf8,
                   OutputFile& output) {
  // One scan serves every input: the tables load once, and a missing file is reported once.
  const core::StreamScan scan(direction);
  std::vector<char> block(kReadBlockSize);
  const std::vector<std::string> names = inputs.empty() ? std::vector<std::string>{"-"} : inputs;
  for (const auto& name : names) {
    InputFile input(name);
    try {
      ConvertInput(input, MakeConversionChain(scan, direction, utf8), block, output);
    } catch (const platform::CodePageError& error) {
      throw std::runtime_error(input.name() + ": " + error.what());
    }
  }
}

}  // namespace kestrane::cli
