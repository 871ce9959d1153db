// The operating system's own services on Windows, through the ANSI ("A") functions, so paths
// and texts stay bytes of the system code page.
#include <windows.h>

#include "platform/Platform.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32LineReader.h"
#include "platform/win32/Win32ReplacementWriter.h"

namespace kestrane::platform {
namespace {

using win32::UniqueKey;

// The host product is a 32-bit program and keeps its key in the 32-bit view of the registry;
// a 64-bit build of this module reads the same view, so both widths find the same settings.
constexpr REGSAM kHostKeyAccess = KEY_READ | KEY_WOW64_32KEY;

// Caption of the modal messages.
constexpr char kMessageCaption[] = "Kestrane";

// Longest logon name (UNLEN) and its terminating zero.
constexpr DWORD kLogonNameBufferSize = 257;

// A string value as stored; values of other types, and missing ones, read as empty.
std::string ReadStringValue(HKEY key, const std::string& name) {
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return {};
  }
  std::string value(size, '\0');
  if (::RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &size) != ERROR_SUCCESS) {
    return {};
  }
  value.resize(size);
  // The stored data usually, but not always, ends in its terminating zero.
  value.resize(value.find('\0') == std::string::npos ? value.size() : value.find('\0'));
  return value;
}

// Calls a private-profile reader that fills a buffer, growing the buffer until the text fits.
// read(buffer, size) returns the number of bytes copied; slack is how close to the size a
// truncated result comes (1 for a string, 2 for a section).
template <typename Read>
std::string ReadProfileText(Read read, DWORD slack) {
  std::string buffer(4096, '\0');
  while (true) {
    DWORD copied = read(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (copied + slack < buffer.size()) {
      buffer.resize(copied);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

class Win32Platform final : public Platform {
 public:
  std::optional<std::vector<std::string>> ReadLocalMachineStrings(
      const std::string& keyPath, const std::vector<std::string>& valueNames) override {
    UniqueKey key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, kHostKeyAccess, key.Receive()) !=
        ERROR_SUCCESS) {
      return std::nullopt;
    }
    std::vector<std::string> values;
    for (const auto& name : valueNames) values.push_back(ReadStringValue(key.get(), name));
    return values;
  }

  std::string ReadIniString(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& defaultValue) override {
    return ReadProfileText(
        [&](char* buffer, DWORD size) {
          return ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                            buffer, size, file.c_str());
        },
        1);
  }

  int ReadIniInt(const std::string& file, const std::string& section, const std::string& key,
                 int defaultValue) override {
    return static_cast<int>(
        ::GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, file.c_str()));
  }

  std::vector<std::string> ReadIniSection(const std::string& file,
                                          const std::string& section) override {
    std::string entries = ReadProfileText(
        [&](char* buffer, DWORD size) {
          return ::GetPrivateProfileSectionA(section.c_str(), buffer, size, file.c_str());
        },
        2);
    // The entries come as zero-terminated strings one after the other.
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < entries.size();) {
      std::size_t end = entries.find('\0', start);
      if (end == std::string::npos) end = entries.size();
      lines.push_back(entries.substr(start, end - start));
      start = end + 1;
    }
    return lines;
  }

  std::string LogonName() override {
    char name[kLogonNameBufferSize] = {};
    DWORD size = kLogonNameBufferSize;
    if (!::GetUserNameA(name, &size)) return {};
    return name;
  }

  unsigned AnsiCodePage() override { return ::GetACP(); }

  bool FileExists(const std::string& path) override {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }

  bool CopyFileOver(const std::string& from, const std::string& to) override {
    return ::CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
  }

  std::unique_ptr<LineReader> OpenLines(const std::string& path) override {
    return std::make_unique<win32::Win32LineReader>(path);
  }

  std::unique_ptr<ReplacementWriter> ReplaceFile(const std::string& path) override {
    return std::make_unique<win32::Win32ReplacementWriter>(path);
  }

  void ShowMessage(std::string_view text) override {
    ::MessageBoxA(nullptr, std::string(text).c_str(), kMessageCaption, MB_OK);
  }
};

}  // namespace

Platform& Native() {
  static Win32Platform platform;
  return platform;
}

}  // namespace kestrane::platform
