// The native platform with the host registry key supplied by the test and the modal messages
// recorded instead of shown. Installed for its lifetime.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/ForwardingPlatform.h"

namespace kestrane::test {

class RecordingPlatform : public platform::ForwardingPlatform {
 public:
  RecordingPlatform();

  // The host key then holds "ClientPath" = dir and the given "ProfileType".
  void SetClientDir(const std::filesystem::path& dir, std::string profileType = "");
  // The host key then cannot be opened.
  void RemoveHostKey();

  std::optional<std::vector<std::string>> ReadLocalMachineStrings(
      const std::string& keyPath, const std::vector<std::string>& valueNames) override;
  void ShowMessage(std::string_view text) override;

  // Messages shown so far (code page 936 bytes), oldest first; TakeMessages also clears them.
  const std::vector<std::string>& messages() const { return messages_; }
  std::vector<std::string> TakeMessages();

 private:
  std::optional<std::vector<std::string>> hostKey_;  // ClientPath, ProfileType
  std::vector<std::string> messages_;
  platform::ScopedPlatform installed_;
};

}  // namespace kestrane::test
