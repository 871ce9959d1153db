// The loading of a table file written step by step as the product defines it: split into
// lines (at CR LF, LF or a lone CR), keep the lines that are neither headers nor blank, count
// the BIG5 and GB entries, fill both tables by position.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ReferenceTableText.h"
#include "core/CodeIndex.h"

namespace kestrane::fuzz {

struct ReferenceTables {
  std::vector<core::Code> big5;
  std::vector<core::Code> gb;
};

inline std::vector<std::string> ReferenceLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') {
      line += bytes[i];
      continue;
    }
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    lines.push_back(std::exchange(line, {}));
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

inline bool ReferenceKeeps(const std::string& line) {
  const bool blank = std::all_of(line.begin(), line.end(),
                                 [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
  return !blank && line.front() != '[';
}

// Fills table from kept lines [first, first + count); false when a value is not a code.
inline bool ReferenceFill(const std::vector<std::string>& kept, std::size_t first,
                          std::size_t count, std::vector<core::Code>& table) {
  for (std::size_t k = 0; k < count; ++k) {
    const auto code = ReferenceHexToCode(ReferenceGetField(kept[first + k], "=", 2));
    if (!code) return false;
    table.push_back(*code);
  }
  return true;
}

// Nothing when the load fails.
inline std::optional<ReferenceTables> ReferenceLoad(std::string_view bytes) {
  std::vector<std::string> kept;
  std::size_t big5Count = 0;
  std::size_t gbCount = 0;
  for (auto& line : ReferenceLines(bytes)) {
    if (!ReferenceKeeps(line)) continue;
    if (line.starts_with("BIG5")) {
      ++big5Count;
    } else if (line.starts_with("GB")) {
      ++gbCount;
    }
    kept.push_back(std::move(line));
  }
  ReferenceTables tables;
  if (!ReferenceFill(kept, 0, big5Count, tables.big5) ||
      !ReferenceFill(kept, big5Count, gbCount, tables.gb)) {
    return std::nullopt;
  }
  return tables;
}

}  // namespace kestrane::fuzz
