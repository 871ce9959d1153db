// Replaces a file atomically: the new content goes to a temporary file in the same folder,
// which Commit() flushes and moves over the target.
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "platform/win32/UniqueHandle.h"

namespace kestrane::platform::win32 {

class Win32ReplacementWriter : public ReplacementWriter {
 public:
  // Throws IoError when the target is read-only or the temporary file cannot be made.
  explicit Win32ReplacementWriter(const std::string& target);
  ~Win32ReplacementWriter() override;
  Win32ReplacementWriter(const Win32ReplacementWriter&) = delete;
  Win32ReplacementWriter& operator=(const Win32ReplacementWriter&) = delete;

  void WriteLine(std::string_view line) override;
  void Commit() override;

 private:
  void Flush();
  // Removes the temporary file and throws the error of the failed step.
  [[noreturn]] void Fail(std::string_view action, const std::string& path, DWORD error);

  std::string target_;
  std::string temp_;
  UniqueFile file_;
  std::string buffer_;
  bool committed_ = false;
};

}  // namespace kestrane::platform::win32
