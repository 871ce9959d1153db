#include "platform/ChunkLineReader.h"

#include <string_view>

#include "platform/LineEnd.h"

namespace kestrane::platform {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

}  // namespace

bool ChunkLineReader::ReadLine(std::string& line) {
  std::string_view view;
  if (!ReadLineView(view)) return false;
  line.assign(view);
  return true;
}

bool ChunkLineReader::ReadLineView(std::string_view& line) {
  while (true) {
    std::string_view pending = std::string_view(buffer_).substr(lineStart_);
    if (auto end = FindLineEnd(pending, searchFrom_ - lineStart_, atEnd_)) {
      line = pending.substr(0, end->length);
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

void ChunkLineReader::Refill() {
  // Moving the unread part to the front once per line keeps a long line from being moved at
  // every chunk.
  buffer_.erase(0, lineStart_);
  searchFrom_ -= lineStart_;
  lineStart_ = 0;
  const std::size_t filled = buffer_.size();
  buffer_.resize(filled + kChunkSize);
  std::size_t count = 0;
  try {
    count = ReadSome(buffer_.data() + filled, kChunkSize);
  } catch (...) {
    buffer_.resize(filled);
    throw;
  }
  buffer_.resize(filled + count);
  atEnd_ = count == 0;
}

}  // namespace kestrane::platform
