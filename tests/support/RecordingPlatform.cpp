#include "support/RecordingPlatform.h"

#include <utility>

namespace kestrane::test {

RecordingPlatform::RecordingPlatform()
    : platform::ForwardingPlatform(platform::Native()), installed_(*this) {}

void RecordingPlatform::SetClientDir(const std::filesystem::path& dir, std::string profileType) {
  hostKey_ = std::vector<std::string>{dir.string(), std::move(profileType)};
}

void RecordingPlatform::RemoveHostKey() {
  hostKey_.reset();
}

std::optional<std::vector<std::string>> RecordingPlatform::ReadLocalMachineStrings(
    const std::string& /*keyPath*/, const std::vector<std::string>& valueNames) {
  if (!hostKey_) return std::nullopt;
  std::vector<std::string> values;
  for (const auto& name : valueNames) {
    values.push_back(name == "ClientPath"    ? (*hostKey_)[0]
                     : name == "ProfileType" ? (*hostKey_)[1]
                                             : std::string());
  }
  return values;
}

void RecordingPlatform::ShowMessage(std::string_view text) {
  messages_.emplace_back(text);
}

std::vector<std::string> RecordingPlatform::TakeMessages() {
  return std::exchange(messages_, {});
}

}  // namespace kestrane::test
