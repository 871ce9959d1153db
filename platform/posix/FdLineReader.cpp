#include "platform/posix/FdLineReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "platform/posix/FileErrors.h"
#include "platform/posix/LineEnd.h"

namespace kestrane::platform::posix {
namespace {

constexpr std::size_t kChunkSize = 256 * 1024;

}  // namespace

FdLineReader::FdLineReader(const std::filesystem::path& file)
    : file_(file), fd_(::open(file.c_str(), O_RDONLY | O_CLOEXEC)) {
  if (!fd_.valid()) throw FileError("open", file_, errno);
}

bool FdLineReader::ReadLine(std::string& line) {
  while (true) {
    std::string_view pending = std::string_view(buffer_).substr(lineStart_);
    if (auto end = FindLineEnd(pending, searchFrom_ - lineStart_, atEnd_)) {
      line.assign(pending.substr(0, end->length));
      lineStart_ += end->next;
      searchFrom_ = lineStart_;
      return true;
    }
    if (atEnd_) return false;
    // A CR at the end of the buffer is searched again once its possible LF has arrived.
    searchFrom_ = pending.empty() ? lineStart_ : buffer_.size() - 1;
    Refill();
  }
}

void FdLineReader::Refill() {
  // Moving the unread part to the front once per line keeps a long line from being moved at
  // every chunk.
  buffer_.erase(0, lineStart_);
  searchFrom_ -= lineStart_;
  lineStart_ = 0;
  std::size_t filled = buffer_.size();
  buffer_.resize(filled + kChunkSize);
  ssize_t count;
  do {
    count = ::read(fd_.get(), buffer_.data() + filled, kChunkSize);
  } while (count < 0 && errno == EINTR);
  if (count < 0) {
    int error = errno;
    buffer_.resize(filled);
    throw FileError("read", file_, error);
  }
  buffer_.resize(filled + static_cast<std::size_t>(count));
  atEnd_ = count == 0;
}

}  // namespace kestrane::platform::posix
