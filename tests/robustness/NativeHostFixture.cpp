#include "NativeHostFixture.h"

#include <utility>

#include "core/Tables.h"
#include "support/CoreFixture.h"

namespace kestrane::test {

MessageRecorder::MessageRecorder()
    : platform::ForwardingPlatform(platform::Native()), installed_(*this) {}

std::vector<std::string> MessageRecorder::TakeMessages() {
  return std::exchange(messages_, {});
}

std::string RegString(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

NativeHostFixture::NativeHostFixture()
    : previousFolder_(std::filesystem::current_path()),
      registry_("KESTRANE_REGISTRY", (dir_ / "host.reg").string()) {
  core::ReleaseTables();
  std::filesystem::create_directory(client());
  std::filesystem::current_path(dir_.path());
  WriteHostKey(client().string());
}

NativeHostFixture::~NativeHostFixture() {
  std::filesystem::current_path(previousFolder_);
  core::ReleaseTables();
}

void NativeHostFixture::WriteHostKey(std::string_view clientPath) const {
  WriteRegistryFile(
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Tresk\\Veltrim]\r\n"
      "\"ClientPath\"=" +
      RegString(clientPath) + "\r\n\"ProfileType\"=\"0\"\r\n");
}

void NativeHostFixture::WriteRegistryFile(std::string_view bytes) const {
  dir_.Write("host.reg", bytes);
}

void NativeHostFixture::WriteIni(std::string_view text) const {
  dir_.Write("client/VeltrimC.ini", text);
}

void NativeHostFixture::WriteTables(std::string_view folder, const std::vector<core::Code>& big5,
                                    const std::vector<core::Code>& gb) const {
  dir_.Write(std::string(folder) + "/Language", LanguageText(big5, gb));
}

}  // namespace kestrane::test
