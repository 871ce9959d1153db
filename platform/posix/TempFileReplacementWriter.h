// Replaces a file atomically: the new content goes to a temporary file in the same folder,
// which Commit() syncs and renames over the target.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "platform/posix/UniqueFd.h"

namespace kestrane::platform::posix {

class TempFileReplacementWriter : public ReplacementWriter {
 public:
  // Throws IoError when the target is read-only or the temporary file cannot be made.
  explicit TempFileReplacementWriter(const std::filesystem::path& target);
  ~TempFileReplacementWriter() override;
  TempFileReplacementWriter(const TempFileReplacementWriter&) = delete;
  TempFileReplacementWriter& operator=(const TempFileReplacementWriter&) = delete;

  void WriteLine(std::string_view line) override;
  void Commit() override;

 private:
  void Flush();
  void SyncFolder();
  // Removes the temporary file and throws the error of the failed step.
  [[noreturn]] void Fail(std::string_view action, const std::filesystem::path& file, int error);

  std::filesystem::path target_;
  std::filesystem::path temp_;
  UniqueFd fd_;
  std::string buffer_;
  bool committed_ = false;
};

}  // namespace kestrane::platform::posix
