#include "cli/ConversionStages.h"

#include <memory>

namespace kestrane::cli {

std::size_t ScanStage::Convert(std::string_view input, std::string& output, bool last) {
  const std::size_t start = output.size();
  output.resize(start + input.size());
  const std::size_t converted =
      scan_.Convert(input.data(), input.size(), output.data() + start, last);
  output.resize(start + converted);
  return converted;
}

std::size_t TranscodeStage::Convert(std::string_view input, std::string& output, bool last) {
  try {
    return transcoder_.Convert(input, output, last);
  } catch (const platform::CodePageError& error) {
    if (streamDescription_.empty()) throw;
    throw platform::CodePageError(streamDescription_ + ": " + error.what(), error.offset());
  }
}

ConversionChain MakeUtf8ConversionChain(const core::StreamScan& scan, core::Direction direction) {
  const bool toBIG5 = direction == core::Direction::GBtoBIG5;
  const unsigned source = toBIG5 ? platform::kCodePageGB : platform::kCodePageBIG5;
  const unsigned target = toBIG5 ? platform::kCodePageBIG5 : platform::kCodePageGB;
  ConversionChain chain;
  chain.Append(std::make_unique<TranscodeStage>(platform::kCodePageUtf8, source));
  chain.Append(std::make_unique<ScanStage>(scan));
  // The scan copies what the table does not map, which need not be valid in the target.
  chain.Append(
      std::make_unique<TranscodeStage>(target, platform::kCodePageUtf8, "the converted text"));
  return chain;
}

}  // namespace kestrane::cli
