// Reads an ini file by the Windows private-profile rules the product's files need.
//
// Section and key names compare without regard to the case of ASCII letters and lose the
// blanks around them; values lose the blanks around them and one pair of matching quotes
// (single or double). Lines starting with ";" are comments. When a section or a key occurs
// twice, the first one counts. Lines before the first section belong to none.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrane::platform::posix {

class IniFile {
 public:
  // A file that cannot be opened reads as an empty file, as the private-profile calls give
  // their defaults then. Throws IoError when an opened file cannot be read.
  static IniFile Load(const std::filesystem::path& file);

  // The key's value without its quotes; nullopt when the section or the key is missing.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // The section's entries in file order as "name=value" (just "name" for a line without "="),
  // the values with their quotes.
  std::vector<std::string> Entries(std::string_view section) const;

 private:
  struct Entry {
    std::string name;
    std::optional<std::string> value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  void AddLine(std::string_view line);
  const Section* FindSection(std::string_view name) const;

  std::vector<Section> sections_;
  bool inSection_ = false;
};

// The integer of a value as GetPrivateProfileInt reads it: an optional sign and the decimal
// digits at its front, 0 when there are none; the default when the key is missing or empty.
int ProfileInt(const std::optional<std::string>& value, int defaultValue);

}  // namespace kestrane::platform::posix
