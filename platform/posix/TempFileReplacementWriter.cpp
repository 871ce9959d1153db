#include "platform/posix/TempFileReplacementWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/posix/FileErrors.h"
#include "platform/posix/ReadOnly.h"

namespace kestrane::platform::posix {
namespace {

constexpr std::size_t kFlushThreshold = 256 * 1024;
// The bits a new file gets when there is no target whose bits it could keep.
constexpr mode_t kNewFileMode = S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH;

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  auto folder = file.parent_path();
  return folder.empty() ? "." : folder;
}

// The permission bits the replacement keeps: the target's own, or those of a new file.
mode_t ModeFor(const std::filesystem::path& target) {
  std::error_code error;
  auto status = std::filesystem::status(target, error);
  if (status.type() == std::filesystem::file_type::not_found) return kNewFileMode;
  if (error) throw IoError("cannot examine " + target.string() + ": " + error.message());
  if (IsReadOnly(status.permissions())) {
    throw IoError("cannot replace " + target.string() + ": it is read-only");
  }
  return static_cast<mode_t>(status.permissions() & std::filesystem::perms::mask);
}

}  // namespace

TempFileReplacementWriter::TempFileReplacementWriter(const std::filesystem::path& target)
    : target_(target) {
  mode_t mode = ModeFor(target_);
  std::string pattern = FolderOf(target_) / ".";
  pattern += target_.filename().string();
  pattern += ".XXXXXX";
  fd_ = UniqueFd(::mkstemp(pattern.data()));
  if (!fd_.valid()) throw FileError("create a temporary file beside", target_, errno);
  temp_ = pattern;
  if (::fchmod(fd_.get(), mode) != 0) Fail("set the permissions of", temp_, errno);
}

TempFileReplacementWriter::~TempFileReplacementWriter() {
  if (!committed_ && !temp_.empty()) ::unlink(temp_.c_str());
}

void TempFileReplacementWriter::WriteLine(std::string_view line) {
  buffer_.append(line);
  buffer_.append("\r\n");
  if (buffer_.size() >= kFlushThreshold) Flush();
}

void TempFileReplacementWriter::Commit() {
  Flush();
  if (::fsync(fd_.get()) != 0) Fail("sync", temp_, errno);
  if (fd_.Close() != 0) Fail("close", temp_, errno);
  if (::rename(temp_.c_str(), target_.c_str()) != 0) Fail("rename over", target_, errno);
  committed_ = true;
  SyncFolder();
}

void TempFileReplacementWriter::Flush() {
  std::string_view rest = buffer_;
  while (!rest.empty()) {
    ssize_t count = ::write(fd_.get(), rest.data(), rest.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) Fail("write", temp_, errno);
    rest.remove_prefix(static_cast<std::size_t>(count));
  }
  buffer_.clear();
}

void TempFileReplacementWriter::SyncFolder() {
  // The rename is durable only once the folder's entry is on disk.
  auto folder = FolderOf(target_);
  UniqueFd folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folderFd.valid()) throw FileError("open the folder", folder, errno);
  if (::fsync(folderFd.get()) != 0) throw FileError("sync the folder", folder, errno);
}

void TempFileReplacementWriter::Fail(std::string_view action, const std::filesystem::path& file,
                                     int error) {
  ::unlink(temp_.c_str());
  temp_.clear();
  throw FileError(action, file, error);
}

}  // namespace kestrane::platform::posix
