#include "StressHost.h"

#include <iostream>

#include "core/Tables.h"

namespace kestrane::test {

StressHost::StressHost(const std::string& languageText)
    : platform::ForwardingPlatform(platform::Native()), installed_(*this) {
  core::ReleaseTables();
  dir_.Write("Language", languageText);
}

StressHost::~StressHost() {
  core::ReleaseTables();
}

std::optional<std::vector<std::string>> StressHost::ReadLocalMachineStrings(
    const std::string& /*keyPath*/, const std::vector<std::string>& valueNames) {
  std::vector<std::string> values;
  for (const auto& name : valueNames) {
    values.push_back(name == "ClientPath" ? dir_.path().string() : std::string());
  }
  return values;
}

void StressHost::ShowMessage(std::string_view text) {
  ++messages_;
  std::cerr << "unexpected message: " << text << "\n";
}

}  // namespace kestrane::test
