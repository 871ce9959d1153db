// A file, or standard input for "-", read in large blocks.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "cli/StandardFile.h"

namespace kestrane::cli {

class InputFile {
 public:
  // Throws std::runtime_error naming the file when it cannot be opened.
  explicit InputFile(const std::string& name);

  // Fills the buffer as far as the input goes and returns how much it read: less than the
  // buffer's size only at the end. Throws std::runtime_error when reading fails.
  std::size_t Read(std::span<char> buffer);

  // The name for messages: the file name, or "standard input".
  const std::string& name() const { return name_; }

 private:
  std::string name_;
  StreamHandle stream_;
};

}  // namespace kestrane::cli
