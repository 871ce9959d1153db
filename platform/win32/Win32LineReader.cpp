#include "platform/win32/Win32LineReader.h"

#include "platform/win32/Win32Errors.h"

namespace kestrane::platform::win32 {

Win32LineReader::Win32LineReader(const std::string& path)
    : path_(path),
      file_(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr)) {
  if (!file_.valid()) throw FileError("open", path_, ::GetLastError());
}

std::size_t Win32LineReader::ReadSome(char* buffer, std::size_t size) {
  DWORD read = 0;
  if (!::ReadFile(file_.get(), buffer, static_cast<DWORD>(size), &read, nullptr)) {
    throw FileError("read", path_, ::GetLastError());
  }
  return read;
}

}  // namespace kestrane::platform::win32
