#include "FakeHostPlatform.h"

#include <gtest/gtest.h>

#include <charconv>

namespace kestrane::test {

void FakeHostPlatform::SetRegistryKey(std::string keyPath,
                                      std::map<std::string, std::string> values) {
  registryKeyPath_ = std::move(keyPath);
  registryValues_ = std::move(values);
}

void FakeHostPlatform::SetIniValue(const std::string& file, const std::string& section,
                                   const std::string& key, const std::string& value) {
  Section& entries = files_[file][section];
  for (auto& [name, stored] : entries) {
    if (name == key) {
      stored = value;
      return;
    }
  }
  entries.emplace_back(key, value);
}

void FakeHostPlatform::AddFile(const std::string& file) {
  files_[file];
}

std::optional<std::vector<std::string>> FakeHostPlatform::ReadLocalMachineStrings(
    const std::string& keyPath, const std::vector<std::string>& valueNames) {
  if (!registryValues_ || keyPath != registryKeyPath_) return std::nullopt;
  std::vector<std::string> values;
  for (const std::string& name : valueNames) {
    const auto found = registryValues_->find(name);
    values.push_back(found == registryValues_->end() ? std::string() : found->second);
  }
  return values;
}

const FakeHostPlatform::Section* FakeHostPlatform::FindSection(const std::string& file,
                                                               const std::string& section) const {
  const auto ini = files_.find(file);
  if (ini == files_.end()) return nullptr;
  const auto found = ini->second.find(section);
  return found == ini->second.end() ? nullptr : &found->second;
}

std::string FakeHostPlatform::ReadIniString(const std::string& file, const std::string& section,
                                            const std::string& key,
                                            const std::string& defaultValue) {
  if (const Section* entries = FindSection(file, section)) {
    for (const auto& [name, value] : *entries) {
      if (name == key) return value;
    }
  }
  return defaultValue;
}

int FakeHostPlatform::ReadIniInt(const std::string& file, const std::string& section,
                                 const std::string& key, int defaultValue) {
  const std::string text = ReadIniString(file, section, key, "");
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end != text.data() ? value : defaultValue;
}

std::vector<std::string> FakeHostPlatform::ReadIniSection(const std::string& file,
                                                          const std::string& section) {
  std::vector<std::string> lines;
  if (const Section* entries = FindSection(file, section)) {
    for (const auto& [name, value] : *entries) lines.push_back(name + "=" + value);
  }
  return lines;
}

bool FakeHostPlatform::CopyFileOver(const std::string&, const std::string&) {
  ADD_FAILURE() << "the configuration reader copies no files";
  return false;
}

std::unique_ptr<platform::LineReader> FakeHostPlatform::OpenLines(const std::string& path) {
  ADD_FAILURE() << "the configuration reader opens no text files";
  throw platform::IoError("not available: " + path);
}

std::unique_ptr<platform::ReplacementWriter> FakeHostPlatform::ReplaceFile(
    const std::string& path) {
  ADD_FAILURE() << "the configuration reader writes no files";
  throw platform::IoError("not available: " + path);
}

void FakeHostPlatform::ShowMessage(std::string_view) {
  ADD_FAILURE() << "the configuration reader shows no messages";
}

}  // namespace kestrane::test
