// Byte streams over Win32 file handles.
#include <windows.h>

#include <algorithm>

#include "platform/ByteStreams.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Errors.h"

namespace kestrane::platform {
namespace {

// A handle the stream opened and closes, or a standard one it leaves open.
struct Handle {
  win32::UniqueFile owned;
  HANDLE handle;
  std::string name;
};

Handle OpenHandle(const std::string& file, DWORD access, DWORD creation, DWORD flags) {
  win32::UniqueFile handle(
      ::CreateFileA(file.c_str(), access, FILE_SHARE_READ, nullptr, creation, flags, nullptr));
  if (!handle.valid()) throw win32::FileError("open", file, ::GetLastError());
  HANDLE raw = handle.get();
  return {std::move(handle), raw, file};
}

// One request moves at most 1 GiB, well within what its DWORD count can say.
DWORD RequestSize(std::size_t size) {
  constexpr std::size_t kMost = std::size_t{1} << 30;
  return static_cast<DWORD>(std::min(size, kMost));
}

class HandleSource : public ByteSource {
 public:
  explicit HandleSource(Handle handle) : handle_(std::move(handle)) {}

  std::size_t Read(char* buffer, std::size_t size) override {
    DWORD read = 0;
    if (!::ReadFile(handle_.handle, buffer, RequestSize(size), &read, nullptr)) {
      const DWORD error = ::GetLastError();
      // A pipe whose writer has closed it ends this way.
      if (error == ERROR_BROKEN_PIPE) return 0;
      throw win32::FileError("read", handle_.name, error);
    }
    return read;
  }

  std::optional<std::uint64_t> RemainingSize() const override {
    LARGE_INTEGER size{};
    LARGE_INTEGER position{};
    if (::GetFileType(handle_.handle) != FILE_TYPE_DISK ||
        !::GetFileSizeEx(handle_.handle, &size) ||
        !::SetFilePointerEx(handle_.handle, LARGE_INTEGER{}, &position, FILE_CURRENT) ||
        position.QuadPart > size.QuadPart) {
      return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart - position.QuadPart);
  }

 private:
  Handle handle_;
};

class HandleSink : public ByteSink {
 public:
  explicit HandleSink(Handle handle) : handle_(std::move(handle)) {}

  void Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      DWORD written = 0;
      if (!::WriteFile(handle_.handle, bytes.data(), RequestSize(bytes.size()), &written,
                       nullptr)) {
        throw win32::FileError("write", handle_.name, ::GetLastError());
      }
      bytes.remove_prefix(written);
    }
  }

  void Reserve(std::uint64_t size) override {
    LARGE_INTEGER position{};
    if (::GetFileType(handle_.handle) != FILE_TYPE_DISK ||
        !::SetFilePointerEx(handle_.handle, LARGE_INTEGER{}, &position, FILE_CURRENT)) {
      return;
    }
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = position.QuadPart + static_cast<LONGLONG>(size);
    ::SetFileInformationByHandle(handle_.handle, FileAllocationInfo, &allocation,
                                 sizeof(allocation));
  }

  void Close() override {
    if (!handle_.owned.Reset()) throw win32::FileError("write", handle_.name, ::GetLastError());
  }

 private:
  Handle handle_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenByteSource(const std::string& file) {
  return std::make_unique<HandleSource>(
      OpenHandle(file, GENERIC_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN));
}

std::unique_ptr<ByteSource> StandardInputSource() {
  return std::make_unique<HandleSource>(
      Handle{win32::UniqueFile(), ::GetStdHandle(STD_INPUT_HANDLE), "standard input"});
}

std::unique_ptr<ByteSink> CreateByteSink(const std::string& file) {
  return std::make_unique<HandleSink>(
      OpenHandle(file, GENERIC_WRITE, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL));
}

std::unique_ptr<ByteSink> StandardOutputSink() {
  return std::make_unique<HandleSink>(
      Handle{win32::UniqueFile(), ::GetStdHandle(STD_OUTPUT_HANDLE), "standard output"});
}

}  // namespace kestrane::platform
