#include "cli/ConversionChain.h"

#include <utility>

namespace kestrane::cli {

void ConversionChain::Append(std::unique_ptr<TextStage> stage) {
  steps_.push_back({std::move(stage), {}, {}});
}

std::string_view ConversionChain::Push(std::string_view piece, bool last) {
  std::string_view data = piece;
  for (auto& step : steps_) {
    if (!step.pending.empty()) {
      step.pending.append(data);
      data = step.pending;
    }
    step.output.clear();
    const std::size_t consumed = step.stage->Convert(data, step.output, last);
    step.pending = std::string(data.substr(consumed));
    data = step.output;
  }
  return data;
}

}  // namespace kestrane::cli
