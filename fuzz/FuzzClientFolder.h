// The client folder of the fuzz targets: a temporary folder named by the host registry key,
// installed as the process's platform for its lifetime. Messages are checked, not shown, so
// that a run does not flood its log.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ForwardingPlatform.h"
#include "support/TempDir.h"

namespace kestrane::fuzz {

class FuzzClientFolder : public platform::ForwardingPlatform {
 public:
  FuzzClientFolder();

  const std::filesystem::path& path() const { return dir_.path(); }
  // Writes a file into the folder.
  void Write(std::string_view name, std::string_view bytes) const;

  // What the host key holds; "ClientPath" starts as the folder itself.
  void SetHostKey(std::string clientPath, std::string profileType);
  void SetLogonName(std::string name) { logonName_ = std::move(name); }

  std::optional<std::vector<std::string>> ReadLocalMachineStrings(
      const std::string& keyPath, const std::vector<std::string>& valueNames) override;
  std::string LogonName() override { return logonName_; }
  void ShowMessage(std::string_view text) override;

 private:
  test::TempDir dir_;
  std::string clientPath_;
  std::string profileType_;
  std::string logonName_;
  platform::ScopedPlatform installed_;
};

}  // namespace kestrane::fuzz
