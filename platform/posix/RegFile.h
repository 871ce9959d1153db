// Reads one key of a registry export file (".reg"), the stand-in for the Windows registry.
//
// Accepted: the header "REGEDIT4" or "Windows Registry Editor Version 5.00"; text in UTF-8
// (with or without its byte order mark) or in UTF-16LE with its byte order mark; key lines
// "[path]"; string values "name"="text" and the default value @="text", where "\\" and "\""
// are the only escapes; comment lines starting with ";"; blank lines. Values of other types
// (dword:, hex:, hex(n):, continued over several lines with a final "\") read as empty
// strings: the product stores only strings, and an empty value leads the host configuration to
// its "no value" path instead of taking binary data for a path. A value "-" deletes it.
// Key paths and value names compare without regard to the case of ASCII letters. Anything else
// is an error naming the file and the line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrane::platform::posix {

// The values of one key, as UTF-8 texts by name.
class RegKeyValues {
 public:
  // Sets the value of that name, replacing one that differs only in case.
  void Set(std::string name, std::string value);
  void Remove(std::string_view name);
  // nullptr when the key has no value of that name.
  const std::string* Find(std::string_view name) const;

 private:
  std::vector<std::pair<std::string, std::string>> values_;
};

// The values of keyPath (for example "HKEY_LOCAL_MACHINE\Software\x") gathered from every
// section of the file that names it, later ones winning; nullopt when no section names it.
// Throws IoError when the file cannot be read and std::runtime_error when it is malformed.
std::optional<RegKeyValues> ReadRegKey(const std::filesystem::path& file, std::string_view keyPath);

}  // namespace kestrane::platform::posix
