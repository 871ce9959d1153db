// Reads the lines of a file through large read(2) calls.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "platform/Platform.h"
#include "platform/posix/UniqueFd.h"

namespace kestrane::platform::posix {

class FdLineReader : public LineReader {
 public:
  // Throws IoError naming the file when it cannot be opened.
  explicit FdLineReader(const std::filesystem::path& file);

  bool ReadLine(std::string& line) override;

 private:
  // Appends the next chunk of the file to the buffer; sets atEnd_ at the end of the file.
  void Refill();

  std::filesystem::path file_;
  UniqueFd fd_;
  std::string buffer_;
  std::size_t lineStart_ = 0;   // start of the next line in buffer_
  std::size_t searchFrom_ = 0;  // no line end lies between lineStart_ and here
  bool atEnd_ = false;
};

}  // namespace kestrane::platform::posix
