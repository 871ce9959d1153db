#include "platform/win32/Win32ReplacementWriter.h"

#include "platform/win32/Win32Errors.h"

namespace kestrane::platform::win32 {
namespace {

constexpr std::size_t kFlushThreshold = 256 * 1024;

// Beside the target, so the final move stays within one volume; the process id keeps two
// processes saving the same file apart (within a process the core serialises saves).
std::string TempNameFor(const std::string& target) {
  return target + "." + std::to_string(::GetCurrentProcessId()) + ".tmp";
}

void RejectReadOnly(const std::string& target) {
  DWORD attributes = ::GetFileAttributesA(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    throw IoError("cannot replace " + target + ": it is read-only");
  }
}

}  // namespace

Win32ReplacementWriter::Win32ReplacementWriter(const std::string& target)
    : target_(target), temp_(TempNameFor(target)) {
  RejectReadOnly(target_);
  *file_.Receive() = ::CreateFileA(temp_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
  if (!file_.valid()) throw FileError("create a temporary file beside", target_, ::GetLastError());
}

Win32ReplacementWriter::~Win32ReplacementWriter() {
  if (committed_ || temp_.empty()) return;
  file_.Reset();
  ::DeleteFileA(temp_.c_str());
}

void Win32ReplacementWriter::WriteLine(std::string_view line) {
  buffer_.append(line);
  buffer_.append("\r\n");
  if (buffer_.size() >= kFlushThreshold) Flush();
}

void Win32ReplacementWriter::Commit() {
  Flush();
  if (!::FlushFileBuffers(file_.get())) Fail("flush", temp_, ::GetLastError());
  if (!file_.Reset()) Fail("close", temp_, ::GetLastError());
  if (!::MoveFileExA(temp_.c_str(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Fail("move a temporary file over", target_, ::GetLastError());
  }
  committed_ = true;
}

void Win32ReplacementWriter::Flush() {
  std::string_view rest = buffer_;
  while (!rest.empty()) {
    DWORD written = 0;
    if (!::WriteFile(file_.get(), rest.data(), static_cast<DWORD>(rest.size()), &written,
                     nullptr)) {
      Fail("write", temp_, ::GetLastError());
    }
    rest.remove_prefix(written);
  }
  buffer_.clear();
}

void Win32ReplacementWriter::Fail(std::string_view action, const std::string& path, DWORD error) {
  file_.Reset();
  ::DeleteFileA(temp_.c_str());
  temp_.clear();
  throw FileError(action, path, error);
}

}  // namespace kestrane::platform::win32
