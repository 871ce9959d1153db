// The native platform as the tool uses it, installed for the tool's lifetime: the host
// registry key can answer with a client directory the tool chose, and the core's messages go
// to standard error instead of a message box.
#pragma once

#include <optional>
#include <string>

#include "platform/ForwardingPlatform.h"

namespace kestrane::cli {

class ToolPlatform : public platform::ForwardingPlatform {
 public:
  // clientPath: the "ClientPath" the host key answers with (and no "ProfileType"); without
  // it the native registry answers.
  explicit ToolPlatform(std::optional<std::string> clientPath);

  std::optional<std::vector<std::string>> ReadLocalMachineStrings(
      const std::string& keyPath, const std::vector<std::string>& valueNames) override;
  void ShowMessage(std::string_view text) override;

  // True once the core reported that it found no table file.
  bool TableFileMissing() const { return tableFileMissing_; }

 private:
  std::optional<std::string> clientPath_;
  bool tableFileMissing_ = false;
  platform::ScopedPlatform installed_;
};

}  // namespace kestrane::cli
