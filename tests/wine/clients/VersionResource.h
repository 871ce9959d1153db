// Reads a VS_VERSIONINFO resource block as it is stored: the fixed part and every string of
// every string table, in stored order (the version API answers single keys, not their order).
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kestrane::wine {

struct VersionResource {
  VS_FIXEDFILEINFO fixed{};
  // The key of the one string table, e.g. "080403A8".
  std::wstring stringTable;
  std::vector<std::pair<std::wstring, std::wstring>> strings;
  // The first translation entry: language and code page.
  WORD language = 0;
  WORD codePage = 0;
};

// Throws std::runtime_error when the block is malformed.
VersionResource ParseVersionResource(std::span<const std::byte> block);

}  // namespace kestrane::wine
