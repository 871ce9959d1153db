#include "cli/ToolPlatform.h"

#include <utility>

#include "cli/Diagnostics.h"
#include "core/Messages.h"
#include "hostconfig/VeltrimIni.h"
#include "platform/CodePage.h"

namespace kestrane::cli {

ToolPlatform::ToolPlatform(std::optional<std::string> clientPath)
    : platform::ForwardingPlatform(platform::Native()),
      clientPath_(std::move(clientPath)),
      installed_(*this) {}

std::optional<std::vector<std::string>> ToolPlatform::ReadLocalMachineStrings(
    const std::string& keyPath, const std::vector<std::string>& valueNames) {
  if (!clientPath_ || keyPath != hostconfig::kHostKey) {
    return ForwardingPlatform::ReadLocalMachineStrings(keyPath, valueNames);
  }
  std::vector<std::string> values;
  for (const auto& name : valueNames) values.push_back(name == "ClientPath" ? *clientPath_ : "");
  return values;
}

void ToolPlatform::ShowMessage(std::string_view text) {
  if (text == core::kLanguageNotFound) tableFileMissing_ = true;
  // The core's texts are code page 936 bytes; terminals and logs expect UTF-8.
  PrintError(
      platform::FromUtf16(platform::kCodePageUtf8, platform::ToUtf16(platform::kCodePageGB, text)));
}

}  // namespace kestrane::cli
