#include "FuzzClientFolder.h"

#include "FuzzCheck.h"

namespace kestrane::fuzz {

FuzzClientFolder::FuzzClientFolder()
    : platform::ForwardingPlatform(platform::Native()),
      clientPath_(dir_.path().string()),
      logonName_("fuzz"),
      installed_(*this) {}

void FuzzClientFolder::Write(std::string_view name, std::string_view bytes) const {
  dir_.Write(name, bytes);
}

void FuzzClientFolder::SetHostKey(std::string clientPath, std::string profileType) {
  clientPath_ = std::move(clientPath);
  profileType_ = std::move(profileType);
}

std::optional<std::vector<std::string>> FuzzClientFolder::ReadLocalMachineStrings(
    const std::string& /*keyPath*/, const std::vector<std::string>& valueNames) {
  std::vector<std::string> values;
  for (const auto& name : valueNames) {
    values.push_back(name == "ClientPath"    ? clientPath_
                     : name == "ProfileType" ? profileType_
                                             : std::string());
  }
  return values;
}

void FuzzClientFolder::ShowMessage(std::string_view text) {
  Require(!text.empty(), "a message has a text");
}

}  // namespace kestrane::fuzz
