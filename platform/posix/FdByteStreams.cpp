// Byte streams over file descriptors.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/ByteStreams.h"
#include "platform/posix/FileErrors.h"
#include "platform/posix/UniqueFd.h"

namespace kestrane::platform {
namespace {

// A descriptor the stream opened and closes, or a standard one it leaves open.
struct Descriptor {
  posix::UniqueFd owned;
  int fd;
  std::string name;
};

// A pipe holds 64 KiB by default, so writer and reader take turns many times a megabyte; a
// larger one lets each side move more at a time. A descriptor that is no pipe, or a pipe that
// may not grow, stays as it is.
void GrowPipe([[maybe_unused]] int fd) {
#if defined(F_SETPIPE_SZ)
  constexpr int kPipeSize = 1 << 20;
  ::fcntl(fd, F_SETPIPE_SZ, kPipeSize);
#endif
}

Descriptor OpenDescriptor(const std::string& file, int flags) {
  posix::UniqueFd fd(::open(file.c_str(), flags | O_CLOEXEC, 0666));
  if (!fd.valid()) throw posix::FileError("open", file, errno);
  const int raw = fd.get();
  return {std::move(fd), raw, file};
}

class FdSource : public ByteSource {
 public:
  explicit FdSource(Descriptor descriptor) : descriptor_(std::move(descriptor)) {}

  std::size_t Read(char* buffer, std::size_t size) override {
    ssize_t count;
    do {
      count = ::read(descriptor_.fd, buffer, size);
    } while (count < 0 && errno == EINTR);
    if (count < 0) throw posix::FileError("read", descriptor_.name, errno);
    return static_cast<std::size_t>(count);
  }

  std::optional<std::uint64_t> RemainingSize() const override {
    struct stat status {};
    if (::fstat(descriptor_.fd, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    const off_t position = ::lseek(descriptor_.fd, 0, SEEK_CUR);
    if (position < 0 || position > status.st_size) return std::nullopt;
    return static_cast<std::uint64_t>(status.st_size - position);
  }

 private:
  Descriptor descriptor_;
};

class FdSink : public ByteSink {
 public:
  explicit FdSink(Descriptor descriptor) : descriptor_(std::move(descriptor)) {}

  void Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t count = ::write(descriptor_.fd, bytes.data(), bytes.size());
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) throw posix::FileError("write", descriptor_.name, errno);
      bytes.remove_prefix(static_cast<std::size_t>(count));
    }
  }

  void Reserve([[maybe_unused]] std::uint64_t size) override {
#if defined(FALLOC_FL_KEEP_SIZE)
    // The file keeps its size: what is set aside and not written stays out of it.
    const off_t position = ::lseek(descriptor_.fd, 0, SEEK_CUR);
    if (position >= 0) {
      ::fallocate(descriptor_.fd, FALLOC_FL_KEEP_SIZE, position, static_cast<off_t>(size));
    }
#endif
  }

  void Close() override {
    if (descriptor_.owned.valid() && descriptor_.owned.Close() != 0) {
      throw posix::FileError("write", descriptor_.name, errno);
    }
  }

 private:
  Descriptor descriptor_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenByteSource(const std::string& file) {
  return std::make_unique<FdSource>(OpenDescriptor(file, O_RDONLY));
}

std::unique_ptr<ByteSource> StandardInputSource() {
  GrowPipe(STDIN_FILENO);
  return std::make_unique<FdSource>(Descriptor{posix::UniqueFd(), STDIN_FILENO, "standard input"});
}

std::unique_ptr<ByteSink> CreateByteSink(const std::string& file) {
  return std::make_unique<FdSink>(OpenDescriptor(file, O_WRONLY | O_CREAT | O_TRUNC));
}

std::unique_ptr<ByteSink> StandardOutputSink() {
  GrowPipe(STDOUT_FILENO);
  return std::make_unique<FdSink>(Descriptor{posix::UniqueFd(), STDOUT_FILENO, "standard output"});
}

}  // namespace kestrane::platform
