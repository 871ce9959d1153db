#include "platform/posix/FdLineReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/FileErrors.h"

namespace kestrane::platform::posix {

FdLineReader::FdLineReader(const std::filesystem::path& file)
    : file_(file), fd_(::open(file.c_str(), O_RDONLY | O_CLOEXEC)) {
  if (!fd_.valid()) throw FileError("open", file_, errno);
}

std::size_t FdLineReader::ReadSome(char* buffer, std::size_t size) {
  ssize_t count;
  do {
    count = ::read(fd_.get(), buffer, size);
  } while (count < 0 && errno == EINTR);
  if (count < 0) throw FileError("read", file_, errno);
  return static_cast<std::size_t>(count);
}

}  // namespace kestrane::platform::posix
