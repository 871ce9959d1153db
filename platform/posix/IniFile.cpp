#include "platform/posix/IniFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "platform/posix/FdLineReader.h"
#include "platform/posix/TextRules.h"

namespace kestrane::platform::posix {
namespace {

std::string_view WithoutQuotes(std::string_view value) {
  bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

IniFile IniFile::Load(const std::filesystem::path& file) {
  IniFile ini;
  std::optional<FdLineReader> reader;
  try {
    reader.emplace(file);
  } catch (const IoError&) {
    return ini;
  }
  std::string line;
  while (reader->ReadLine(line)) ini.AddLine(line);
  return ini;
}

void IniFile::AddLine(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() == ';') return;
  std::size_t close = line.rfind(']');
  if (line.front() == '[' && close != std::string_view::npos) {
    sections_.push_back({std::string(TrimBlanks(line.substr(1, close - 1))), {}});
    inSection_ = true;
    return;
  }
  if (!inSection_) return;
  std::size_t equals = line.find('=');
  Entry entry{std::string(TrimBlanks(line.substr(0, equals))), std::nullopt};
  if (equals != std::string_view::npos) entry.value = TrimBlanks(line.substr(equals + 1));
  sections_.back().entries.push_back(std::move(entry));
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  name = TrimBlanks(name);
  auto it = std::ranges::find_if(
      sections_, [name](const Section& section) { return EqualsIgnoringCase(section.name, name); });
  return it == sections_.end() ? nullptr : &*it;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return std::nullopt;
  key = TrimBlanks(key);
  auto it = std::ranges::find_if(
      found->entries, [key](const Entry& entry) { return EqualsIgnoringCase(entry.name, key); });
  if (it == found->entries.end()) return std::nullopt;
  return std::string(WithoutQuotes(it->value.value_or("")));
}

std::vector<std::string> IniFile::Entries(std::string_view section) const {
  std::vector<std::string> entries;
  if (const Section* found = FindSection(section)) {
    for (const Entry& entry : found->entries) {
      entries.push_back(entry.value ? entry.name + "=" + *entry.value : entry.name);
    }
  }
  return entries;
}

int ProfileInt(const std::optional<std::string>& value, int defaultValue) {
  if (!value || value->empty()) return defaultValue;
  std::string_view text = *value;
  bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  // Digits accumulate modulo 2^32 like the Windows conversion, which returns a UINT.
  std::uint32_t magnitude = 0;
  for (char c : text) {
    if (!IsDigit(c)) break;
    magnitude = magnitude * 10u + static_cast<std::uint32_t>(c - '0');
  }
  return static_cast<int>(negative ? 0u - magnitude : magnitude);
}

}  // namespace kestrane::platform::posix
