// Reads the lines of a file through large ReadFile calls.
#pragma once

#include <cstddef>
#include <string>

#include "platform/ChunkLineReader.h"
#include "platform/win32/UniqueHandle.h"

namespace kestrane::platform::win32 {

class Win32LineReader : public ChunkLineReader {
 public:
  // Throws IoError when the file cannot be opened for reading.
  explicit Win32LineReader(const std::string& path);

 private:
  std::size_t ReadSome(char* buffer, std::size_t size) override;

  std::string path_;
  UniqueFile file_;
};

}  // namespace kestrane::platform::win32
