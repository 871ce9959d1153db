#include "cli/OutputFile.h"

#include <stdexcept>

namespace kestrane::cli {

OutputFile::OutputFile(const std::optional<std::string>& file)
    : name_(file && *file != "-" ? *file : "standard output"),
      stream_(OpenStream(file.value_or("-"), "wb", stdout)) {}

void OutputFile::Write(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stream_.get()) != bytes.size()) {
    throw std::runtime_error(StreamFailure("write", name_));
  }
}

void OutputFile::Finish() {
  if (std::fflush(stream_.get()) != 0 || std::ferror(stream_.get())) {
    throw std::runtime_error(StreamFailure("write", name_));
  }
}

}  // namespace kestrane::cli
