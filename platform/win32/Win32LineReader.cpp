#include "platform/win32/Win32LineReader.h"

#include <string_view>

#include "platform/win32/Win32Errors.h"

namespace kestrane::platform::win32 {
namespace {
constexpr std::size_t kBlockSize = 256 * 1024;
}  // namespace

Win32LineReader::Win32LineReader(const std::string& path)
    : path_(path),
      file_(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr)),
      block_(kBlockSize) {
  if (!file_.valid()) throw FileError("open", path_, ::GetLastError());
}

bool Win32LineReader::ReadLine(std::string& line) {
  line.clear();
  bool started = false;
  while (position_ < filled_ || Fill()) {
    if (skipLineFeed_) {
      skipLineFeed_ = false;
      if (block_[position_] == '\n') {
        ++position_;
        continue;
      }
    }
    started = true;
    std::string_view rest(block_.data() + position_, filled_ - position_);
    std::size_t end = rest.find_first_of("\r\n");
    line.append(rest.substr(0, end));
    if (end == std::string_view::npos) {
      position_ = filled_;
      continue;
    }
    position_ += end + 1;
    skipLineFeed_ = rest[end] == '\r';
    return true;
  }
  return started;
}

bool Win32LineReader::Fill() {
  DWORD read = 0;
  if (!::ReadFile(file_.get(), block_.data(), static_cast<DWORD>(block_.size()), &read, nullptr)) {
    throw FileError("read", path_, ::GetLastError());
  }
  position_ = 0;
  filled_ = read;
  return read > 0;
}

}  // namespace kestrane::platform::win32
