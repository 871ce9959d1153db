// A file, or standard input for "-", read in large blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/ByteStreams.h"

namespace kestrane::cli {

class InputFile {
 public:
  // Throws std::runtime_error naming the file when it cannot be opened.
  explicit InputFile(const std::string& name);

  // Reads into the buffer as much as one request gives and returns how much: 0 only at the
  // end. Throws std::runtime_error when reading fails.
  std::size_t Read(std::span<char> buffer);

  // The bytes left to read, when the input is a file; nullopt otherwise.
  std::optional<std::uint64_t> RemainingSize() const { return source_->RemainingSize(); }

  // The name for messages: the file name, or "standard input".
  const std::string& name() const { return name_; }

 private:
  std::string name_;
  std::unique_ptr<platform::ByteSource> source_;
};

}  // namespace kestrane::cli
