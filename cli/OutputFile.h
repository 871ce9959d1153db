// The tool's output: the file of -o, or standard output.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/StandardFile.h"

namespace kestrane::cli {

class OutputFile {
 public:
  // Creates or truncates the file; throws std::runtime_error naming it when that fails.
  explicit OutputFile(const std::optional<std::string>& file);

  // Throws std::runtime_error when writing fails.
  void Write(std::string_view bytes);
  // Flushes everything written; throws std::runtime_error when that fails.
  void Finish();

 private:
  std::string name_;
  StreamHandle stream_;
};

}  // namespace kestrane::cli
