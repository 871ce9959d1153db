// Splits a file into lines as its chunks arrive: a line ends at CR LF, at LF or at a lone CR,
// and the last line needs no line end. The operating system's part is only ReadSome.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace kestrane::platform {

class ChunkLineReader : public LineReader {
 public:
  bool ReadLine(std::string& line) final;
  bool ReadLineView(std::string_view& line) final;

 protected:
  // Reads at most size bytes into buffer and returns how many; 0 at the end of the file.
  // Throws IoError when reading fails.
  virtual std::size_t ReadSome(char* buffer, std::size_t size) = 0;

 private:
  // Appends the next chunk of the file to the buffer; sets atEnd_ at the end of the file.
  void Refill();

  std::string buffer_;
  std::size_t lineStart_ = 0;   // start of the next line in buffer_
  std::size_t searchFrom_ = 0;  // no line end lies between lineStart_ and here
  bool atEnd_ = false;
};

}  // namespace kestrane::platform
