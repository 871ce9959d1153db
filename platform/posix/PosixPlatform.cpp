#include "platform/posix/PosixPlatform.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform/CodePage.h"
#include "platform/posix/AnsiCodePage.h"
#include "platform/posix/FdLineReader.h"
#include "platform/posix/HostPath.h"
#include "platform/posix/HostText.h"
#include "platform/posix/IniFile.h"
#include "platform/posix/ReadOnly.h"
#include "platform/posix/RegFile.h"
#include "platform/posix/TempFileReplacementWriter.h"

namespace kestrane::platform {
namespace posix {
namespace {

constexpr std::string_view kLocalMachine = "HKEY_LOCAL_MACHINE\\";
constexpr std::size_t kPasswdBufferSize = 16 * 1024;

std::string LogonNameOfProcess() {
  passwd entry{};
  passwd* found = nullptr;
  std::string buffer(kPasswdBufferSize, '\0');
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
    return found->pw_name;
  }
  for (const char* variable : {"LOGNAME", "USER"}) {
    if (const char* name = std::getenv(variable); name != nullptr && *name != '\0') return name;
  }
  return {};
}

void WriteToStandardError(std::string_view text) {
  while (!text.empty()) {
    ssize_t count = ::write(STDERR_FILENO, text.data(), text.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return;  // nowhere left to report the failure of reporting
    text.remove_prefix(static_cast<std::size_t>(count));
  }
}

}  // namespace

std::optional<std::vector<std::string>> PosixPlatform::ReadLocalMachineStrings(
    const std::string& keyPath, const std::vector<std::string>& valueNames) {
  const char* registry = std::getenv("KESTRANE_REGISTRY");
  if (registry == nullptr || *registry == '\0') return std::nullopt;
  unsigned codePage = AnsiCodePage();
  auto values = ReadRegKey(registry, std::string(kLocalMachine) + ToHostText(codePage, keyPath));
  if (!values) return std::nullopt;
  std::vector<std::string> strings;
  for (const auto& name : valueNames) {
    const std::string* value = values->Find(ToHostText(codePage, name));
    strings.push_back(value != nullptr ? FromHostText(codePage, *value) : std::string());
  }
  return strings;
}

std::string PosixPlatform::ReadIniString(const std::string& file, const std::string& section,
                                         const std::string& key, const std::string& defaultValue) {
  auto value = IniFile::Load(HostPath(AnsiCodePage(), file)).Value(section, key);
  return value.value_or(defaultValue);
}

int PosixPlatform::ReadIniInt(const std::string& file, const std::string& section,
                              const std::string& key, int defaultValue) {
  return ProfileInt(IniFile::Load(HostPath(AnsiCodePage(), file)).Value(section, key),
                    defaultValue);
}

std::vector<std::string> PosixPlatform::ReadIniSection(const std::string& file,
                                                       const std::string& section) {
  return IniFile::Load(HostPath(AnsiCodePage(), file)).Entries(section);
}

std::string PosixPlatform::LogonName() {
  return FromHostText(AnsiCodePage(), LogonNameOfProcess());
}

unsigned PosixPlatform::AnsiCodePage() {
  return AnsiCodePageFromEnvironment();
}

bool PosixPlatform::FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(HostPath(AnsiCodePage(), path), error);
}

bool PosixPlatform::CopyFileOver(const std::string& from, const std::string& to) {
  unsigned codePage = AnsiCodePage();
  auto target = HostPath(codePage, to);
  std::error_code error;
  auto status = std::filesystem::status(target, error);
  if (std::filesystem::exists(status) && IsReadOnly(status.permissions())) return false;
  return std::filesystem::copy_file(HostPath(codePage, from), target,
                                    std::filesystem::copy_options::overwrite_existing, error);
}

std::unique_ptr<LineReader> PosixPlatform::OpenLines(const std::string& path) {
  return std::make_unique<FdLineReader>(HostPath(AnsiCodePage(), path));
}

std::unique_ptr<ReplacementWriter> PosixPlatform::ReplaceFile(const std::string& path) {
  return std::make_unique<TempFileReplacementWriter>(HostPath(AnsiCodePage(), path));
}

void PosixPlatform::ShowMessage(std::string_view text) {
  WriteToStandardError("kestrane: " + ToHostText(kCodePageGB, text) + "\n");
}

}  // namespace posix

Platform& Native() {
  static posix::PosixPlatform platform;
  return platform;
}

}  // namespace kestrane::platform
