// Reads the lines of a file through large ReadFile blocks.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/win32/UniqueHandle.h"

namespace kestrane::platform::win32 {

class Win32LineReader : public LineReader {
 public:
  // Throws IoError when the file cannot be opened for reading.
  explicit Win32LineReader(const std::string& path);

  bool ReadLine(std::string& line) override;

 private:
  // Reads the next block; false at the end of the file.
  bool Fill();

  std::string path_;
  UniqueFile file_;
  std::vector<char> block_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  // The previous line ended at CR, so an LF at the front belongs to it.
  bool skipLineFeed_ = false;
};

}  // namespace kestrane::platform::win32
