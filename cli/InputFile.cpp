#include "cli/InputFile.h"

namespace kestrane::cli {

InputFile::InputFile(const std::string& name)
    : name_(name == "-" ? "standard input" : name),
      source_(name == "-" ? platform::StandardInputSource() : platform::OpenByteSource(name)) {}

std::size_t InputFile::Read(std::span<char> buffer) {
  return source_->Read(buffer.data(), buffer.size());
}

}  // namespace kestrane::cli
