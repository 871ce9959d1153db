// An in-memory platform for the host configuration reader: one registry key, ini files by
// name, a logon name and an ANSI code page. Any other service fails the test that calls it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace kestrane::test {

class FakeHostPlatform : public platform::Platform {
 public:
  using Section = std::vector<std::pair<std::string, std::string>>;  // keys in file order

  // The key HKEY_LOCAL_MACHINE\keyPath then opens and holds these values; others stay missing.
  void SetRegistryKey(std::string keyPath, std::map<std::string, std::string> values);
  // The file then exists and the key of the section holds value (keys keep their first place).
  void SetIniValue(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value);
  // The file then exists, with no sections.
  void AddFile(const std::string& file);
  void SetLogonName(std::string name) { logonName_ = std::move(name); }
  void SetAnsiCodePage(unsigned codePage) { ansiCodePage_ = codePage; }

  std::optional<std::vector<std::string>> ReadLocalMachineStrings(
      const std::string& keyPath, const std::vector<std::string>& valueNames) override;
  std::string ReadIniString(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& defaultValue) override;
  int ReadIniInt(const std::string& file, const std::string& section, const std::string& key,
                 int defaultValue) override;
  std::vector<std::string> ReadIniSection(const std::string& file,
                                          const std::string& section) override;
  std::string LogonName() override { return logonName_; }
  unsigned AnsiCodePage() override { return ansiCodePage_; }
  bool FileExists(const std::string& path) override { return files_.contains(path); }

  bool CopyFileOver(const std::string& from, const std::string& to) override;
  std::unique_ptr<platform::LineReader> OpenLines(const std::string& path) override;
  std::unique_ptr<platform::ReplacementWriter> ReplaceFile(const std::string& path) override;
  void ShowMessage(std::string_view text) override;

 private:
  using IniFile = std::map<std::string, Section>;

  const Section* FindSection(const std::string& file, const std::string& section) const;

  std::string registryKeyPath_;
  std::optional<std::map<std::string, std::string>> registryValues_;
  std::map<std::string, IniFile> files_;
  std::string logonName_;
  unsigned ansiCodePage_ = 1252;
};

}  // namespace kestrane::test
