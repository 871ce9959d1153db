#include "cli/InputFile.h"

#include <stdexcept>

namespace kestrane::cli {

InputFile::InputFile(const std::string& name)
    : name_(name == "-" ? "standard input" : name), stream_(OpenStream(name, "rb", stdin)) {}

std::size_t InputFile::Read(std::span<char> buffer) {
  std::size_t size = std::fread(buffer.data(), 1, buffer.size(), stream_.get());
  if (size < buffer.size() && std::ferror(stream_.get())) {
    throw std::runtime_error(StreamFailure("read", name_));
  }
  return size;
}

}  // namespace kestrane::cli
