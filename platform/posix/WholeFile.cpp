#include "platform/posix/WholeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/FileErrors.h"
#include "platform/posix/UniqueFd.h"

namespace kestrane::platform::posix {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& file) {
  UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) throw FileError("open", file, errno);
  std::string content;
  while (true) {
    std::size_t filled = content.size();
    content.resize(filled + kChunkSize);
    ssize_t count;
    do {
      count = ::read(fd.get(), content.data() + filled, kChunkSize);
    } while (count < 0 && errno == EINTR);
    if (count < 0) throw FileError("read", file, errno);
    content.resize(filled + static_cast<std::size_t>(count));
    if (count == 0) return content;
  }
}

}  // namespace kestrane::platform::posix
