// A platform that passes every call on to another one; derive from it to change a few calls.
#pragma once

#include "platform/Platform.h"

namespace kestrane::platform {

class ForwardingPlatform : public Platform {
 public:
  explicit ForwardingPlatform(Platform& target) : target_(target) {}

  std::optional<std::vector<std::string>> ReadLocalMachineStrings(
      const std::string& keyPath, const std::vector<std::string>& valueNames) override {
    return target_.ReadLocalMachineStrings(keyPath, valueNames);
  }
  std::string ReadIniString(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& defaultValue) override {
    return target_.ReadIniString(file, section, key, defaultValue);
  }
  int ReadIniInt(const std::string& file, const std::string& section, const std::string& key,
                 int defaultValue) override {
    return target_.ReadIniInt(file, section, key, defaultValue);
  }
  std::vector<std::string> ReadIniSection(const std::string& file,
                                          const std::string& section) override {
    return target_.ReadIniSection(file, section);
  }
  std::string LogonName() override { return target_.LogonName(); }
  unsigned AnsiCodePage() override { return target_.AnsiCodePage(); }
  bool FileExists(const std::string& path) override { return target_.FileExists(path); }
  bool CopyFileOver(const std::string& from, const std::string& to) override {
    return target_.CopyFileOver(from, to);
  }
  std::unique_ptr<LineReader> OpenLines(const std::string& path) override {
    return target_.OpenLines(path);
  }
  std::unique_ptr<ReplacementWriter> ReplaceFile(const std::string& path) override {
    return target_.ReplaceFile(path);
  }
  void ShowMessage(std::string_view text) override { target_.ShowMessage(text); }

 private:
  Platform& target_;
};

}  // namespace kestrane::platform
