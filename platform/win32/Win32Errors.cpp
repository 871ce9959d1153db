#include "platform/win32/Win32Errors.h"

namespace kestrane::platform::win32 {

std::string SystemMessage(DWORD error) {
  char* buffer = nullptr;
  DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string message =
      length == 0 ? "system error " + std::to_string(error) : std::string(buffer, length);
  ::LocalFree(buffer);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
    message.pop_back();
  }
  return message;
}

IoError FileError(std::string_view action, std::string_view path, DWORD error) {
  return IoError("cannot " + std::string(action) + " " + std::string(path) + ": " +
                 SystemMessage(error));
}

}  // namespace kestrane::platform::win32
