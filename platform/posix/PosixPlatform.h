// The platform services on POSIX systems. The registry's HKEY_LOCAL_MACHINE is the registry
// export file named by KESTRANE_REGISTRY; the ANSI code page comes from the locale or from
// KESTRANE_ACP; paths are mapped to host file names in UTF-8; messages go to standard error.
// Nothing is cached between calls, so changes of the files and the environment show at once.
#pragma once

#include "platform/Platform.h"

namespace kestrane::platform::posix {

class PosixPlatform : public Platform {
 public:
  std::optional<std::vector<std::string>> ReadLocalMachineStrings(
      const std::string& keyPath, const std::vector<std::string>& valueNames) override;

  std::string ReadIniString(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& defaultValue) override;
  int ReadIniInt(const std::string& file, const std::string& section, const std::string& key,
                 int defaultValue) override;
  std::vector<std::string> ReadIniSection(const std::string& file,
                                          const std::string& section) override;

  std::string LogonName() override;
  unsigned AnsiCodePage() override;

  bool FileExists(const std::string& path) override;
  bool CopyFileOver(const std::string& from, const std::string& to) override;
  std::unique_ptr<LineReader> OpenLines(const std::string& path) override;
  std::unique_ptr<ReplacementWriter> ReplaceFile(const std::string& path) override;

  void ShowMessage(std::string_view text) override;
};

}  // namespace kestrane::platform::posix
