// A conversion of a stream in pieces, made of steps that run one after another.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kestrane::cli {

class TextStage {
 public:
  virtual ~TextStage() = default;
  // Converts the complete units (characters, pairs) at the front of input, appends the result
  // to output and returns how many input bytes it consumed; all of them when last is true.
  virtual std::size_t Convert(std::string_view input, std::string& output, bool last) = 0;
};

class ConversionChain {
 public:
  void Append(std::unique_ptr<TextStage> stage);

  // Runs the next piece of the stream through every stage and returns what comes out of the
  // last one (valid until the next call). A stage keeps an incomplete unit at the end of its
  // input and puts it before its next piece, so the result does not depend on where the
  // stream is cut.
  std::string_view Push(std::string_view piece, bool last);

 private:
  struct Step {
    std::unique_ptr<TextStage> stage;
    std::string pending;
    std::string output;
  };
  std::vector<Step> steps_;
};

}  // namespace kestrane::cli
