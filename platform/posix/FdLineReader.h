// Reads the lines of a file through large read(2) calls.
#pragma once

#include <cstddef>
#include <filesystem>

#include "platform/ChunkLineReader.h"
#include "platform/posix/UniqueFd.h"

namespace kestrane::platform::posix {

class FdLineReader : public ChunkLineReader {
 public:
  // Throws IoError naming the file when it cannot be opened.
  explicit FdLineReader(const std::filesystem::path& file);

 private:
  std::size_t ReadSome(char* buffer, std::size_t size) override;

  std::filesystem::path file_;
  UniqueFd fd_;
};

}  // namespace kestrane::platform::posix
