// The operating-system services the conversion core and the host configuration reader use.
// Paths and texts are byte strings in the system ANSI code page with "\" as the separator, as
// on Windows; an implementation maps them to its own file names.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kestrane::platform {

// A file operation that failed unexpectedly (cannot open, read, write, flush or replace).
class IoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a text file one line at a time. A line ends at CR LF, at LF or at a lone CR; the last
// line needs no line end. Lines are returned without their line end.
class LineReader {
 public:
  virtual ~LineReader() = default;
  // Returns false at the end of the file; throws IoError when reading fails.
  virtual bool ReadLine(std::string& line) = 0;
  // The same without a copy: the view stays valid until the next call.
  virtual bool ReadLineView(std::string_view& line) = 0;
};

// Writes the new content of a file into a temporary file beside it. Commit() flushes the
// temporary file to stable storage and puts it in place of the target in one atomic step.
// A writer destroyed without a successful Commit() removes its temporary file and leaves the
// target exactly as it was.
class ReplacementWriter {
 public:
  virtual ~ReplacementWriter() = default;
  // Appends the line and CR LF; throws IoError when writing fails.
  virtual void WriteLine(std::string_view line) = 0;
  // Throws IoError when the flush or the replacement fails.
  virtual void Commit() = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Opens HKEY_LOCAL_MACHINE\keyPath read-only and reads the named string values. Returns
  // nullopt when the key cannot be opened; a missing value reads as the empty string.
  virtual std::optional<std::vector<std::string>> ReadLocalMachineStrings(
      const std::string& keyPath, const std::vector<std::string>& valueNames) = 0;

  // Private-profile (ini) reads; a missing file, section or key gives the default.
  virtual std::string ReadIniString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& defaultValue) = 0;
  virtual int ReadIniInt(const std::string& file, const std::string& section,
                         const std::string& key, int defaultValue) = 0;
  // Every entry of the section as it stands in the file ("name=value"), in file order.
  virtual std::vector<std::string> ReadIniSection(const std::string& file,
                                                  const std::string& section) = 0;

  // The logon name of the calling thread, in the ANSI code page; empty when unknown.
  virtual std::string LogonName() = 0;
  virtual unsigned AnsiCodePage() = 0;

  virtual bool FileExists(const std::string& path) = 0;
  // Copies a file over an existing one; returns false when the copy fails.
  virtual bool CopyFileOver(const std::string& from, const std::string& to) = 0;
  // Throws IoError when the file cannot be opened.
  virtual std::unique_ptr<LineReader> OpenLines(const std::string& path) = 0;
  // Starts replacing the content of path; throws IoError when the temporary file cannot be made.
  virtual std::unique_ptr<ReplacementWriter> ReplaceFile(const std::string& path) = 0;

  // Shows a modal message with one OK button. The text is in code page 936.
  virtual void ShowMessage(std::string_view text) = 0;
};

// The operating system's own services.
Platform& Native();

// The platform the process uses: the native one unless another was installed.
Platform& Current();

// Installs a platform for the lifetime of this object (for tests and for the command-line
// tool's overrides) and restores the previous one afterwards.
class ScopedPlatform {
 public:
  explicit ScopedPlatform(Platform& platform);
  ~ScopedPlatform();
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

 private:
  Platform* previous_;
};

}  // namespace kestrane::platform
