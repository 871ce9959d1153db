// The tool's output: the file of -o, or standard output.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ByteStreams.h"

namespace kestrane::cli {

class OutputFile {
 public:
  // Creates or truncates the file; throws std::runtime_error naming it when that fails.
  explicit OutputFile(const std::optional<std::string>& file);

  // Writes the bytes at once; throws std::runtime_error when writing fails.
  void Write(std::string_view bytes);
  // Ends the output; throws std::runtime_error for a failure reported only now.
  void Finish();

 private:
  std::unique_ptr<platform::ByteSink> sink_;
};

}  // namespace kestrane::cli
