// A fixture that runs on the operating system's own platform as an installation does: the host
// registry key comes from a registry file, the ini file and the table file from a client
// folder. Messages are recorded instead of shown, and the test runs in an empty current folder
// of its own, where relative paths lead.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/CodeIndex.h"
#include "platform/ForwardingPlatform.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace kestrane::test {

// The native platform with the modal messages recorded.
class MessageRecorder : public platform::ForwardingPlatform {
 public:
  MessageRecorder();

  void ShowMessage(std::string_view text) override { messages_.emplace_back(text); }
  std::vector<std::string> TakeMessages();

 private:
  std::vector<std::string> messages_;
  platform::ScopedPlatform installed_;
};

// A text as a quoted registry file string, with its escapes.
std::string RegString(std::string_view text);

class NativeHostFixture : public testing::Test {
 protected:
  NativeHostFixture();
  ~NativeHostFixture() override;

  // The folder the host key names unless a test writes another one.
  std::filesystem::path client() const { return dir_ / "client"; }

  // The registry file then names clientPath (UTF-8, as the file holds it) as the client folder.
  void WriteHostKey(std::string_view clientPath) const;
  void WriteRegistryFile(std::string_view bytes) const;
  void WriteIni(std::string_view text) const;
  // Writes "Language" into a folder given relative to the fixture's folder.
  void WriteTables(std::string_view folder, const std::vector<core::Code>& big5,
                   const std::vector<core::Code>& gb) const;

  TempDir dir_;
  MessageRecorder platform_;

 private:
  std::filesystem::path previousFolder_;
  ScopedEnv registry_;
  ScopedEnv codePage_{"KESTRANE_ACP", "936"};
};

}  // namespace kestrane::test
