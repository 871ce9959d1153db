// The tool's output: the file of -o, or standard output.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ByteStreams.h"

namespace kestrane::cli {

class OutputFile {
 public:
  // Creates or truncates the file; throws std::runtime_error naming it when that fails.
  explicit OutputFile(const std::optional<std::string>& file);

  // Writes the bytes at once; throws std::runtime_error when writing fails.
  void Write(std::string_view bytes);
  // A hint that about size more bytes follow, so a file can set aside room for them.
  void Reserve(std::uint64_t size) { sink_->Reserve(size); }
  // Ends the output; throws std::runtime_error for a failure reported only now.
  void Finish();

 private:
  std::unique_ptr<platform::ByteSink> sink_;
};

// Throws UsageError when the output file is one of the input files (under any name): creating
// it would empty that input before it is read.
void RefuseOutputAmongInputs(const std::optional<std::string>& file,
                             const std::vector<std::string>& inputs);

}  // namespace kestrane::cli
