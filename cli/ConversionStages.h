// The stages of a stream conversion: the table scan and the code page conversions around it.
#pragma once

#include <string>
#include <utility>

#include "cli/ConversionChain.h"
#include "core/StreamScan.h"
#include "platform/CodePage.h"

namespace kestrane::cli {

// The table scan of the conversion core; the output is as long as the input.
class ScanStage : public TextStage {
 public:
  explicit ScanStage(const core::StreamScan& scan) : scan_(scan) {}
  std::size_t Convert(std::string_view input, std::string& output, bool last) override;

 private:
  const core::StreamScan& scan_;
};

// A strict code page conversion; throws platform::CodePageError with the offset in the
// stream it converts, its message preceded by the stream's description when there is one.
class TranscodeStage : public TextStage {
 public:
  TranscodeStage(unsigned fromCodePage, unsigned toCodePage, std::string streamDescription = {})
      : transcoder_(fromCodePage, toCodePage), streamDescription_(std::move(streamDescription)) {}
  std::size_t Convert(std::string_view input, std::string& output, bool last) override;

 private:
  platform::Transcoder transcoder_;
  std::string streamDescription_;
};

// The scan between UTF-8 and the code pages of the direction.
ConversionChain MakeUtf8ConversionChain(const core::StreamScan& scan, core::Direction direction);

}  // namespace kestrane::cli
