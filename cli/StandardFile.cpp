#include "cli/StandardFile.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace kestrane::cli {

StreamHandle OpenStream(const std::string& name, const char* mode, std::FILE* standardStream) {
  if (name == "-") return StreamHandle(standardStream, StreamCloser{false});
  StreamHandle stream(std::fopen(name.c_str(), mode), StreamCloser{true});
  if (!stream) throw std::runtime_error(StreamFailure("open", name));
  return stream;
}

std::string StreamFailure(const char* action, const std::string& name) {
  return std::string("cannot ") + action + " " + name + ": " + std::strerror(errno);
}

}  // namespace kestrane::cli
