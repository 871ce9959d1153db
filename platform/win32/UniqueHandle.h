// Owners of Win32 handles that close them when they go out of scope.
#pragma once

#include <windows.h>

#include <utility>

namespace kestrane::platform::win32 {

// Traits name the empty value of a handle type and how to close a handle of it.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = decltype(Traits::Invalid());

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, Traits::Invalid());
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  bool valid() const { return handle_ != Traits::Invalid(); }
  // For the out parameter of an opening call; releases what was held.
  Handle* Receive() {
    Reset();
    return &handle_;
  }
  // Releases now; false when closing failed.
  bool Reset() { return !valid() || Traits::Close(std::exchange(handle_, Traits::Invalid())); }

 private:
  Handle handle_ = Traits::Invalid();
};

struct FileHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static bool Close(HANDLE handle) { return ::CloseHandle(handle) != FALSE; }
};

struct RegistryKeyTraits {
  static HKEY Invalid() { return nullptr; }
  static bool Close(HKEY key) { return ::RegCloseKey(key) == ERROR_SUCCESS; }
};

// A file handle from CreateFile.
using UniqueFile = UniqueHandle<FileHandleTraits>;

// An open registry key.
using UniqueKey = UniqueHandle<RegistryKeyTraits>;

}  // namespace kestrane::platform::win32
