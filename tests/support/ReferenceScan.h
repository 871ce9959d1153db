// The conversion scan written step by step as the product defines it, to check the fast scan
// against: positions from 1, the byte after the end read as zero.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/CodeIndex.h"

namespace kestrane::test {

template <typename Classifier, typename Indexer>
std::string ReferenceScan(std::string_view text, const std::vector<core::Code>& table,
                          std::int32_t count, Classifier isChar, Indexer indexOf) {
  std::string output;
  const std::size_t n = text.size();
  auto at = [&](std::size_t position) {  // 1-based; zero past the end
    return position <= n ? static_cast<std::uint8_t>(text[position - 1]) : std::uint8_t{0};
  };
  std::size_t i = 1;
  while (i <= n) {
    const std::uint8_t lead = at(i);
    const std::uint8_t trail = at(i + 1);
    if (isChar(lead, trail)) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      const std::int32_t k = indexOf(std::string_view(pair, 2));
      if (k >= 0 && k < count) {
        output += core::CodeToChar(table[static_cast<std::size_t>(k)]);
        i += 2;
        continue;
      }
    }
    output += static_cast<char>(lead);
    i += 1;
  }
  return output;
}

}  // namespace kestrane::test
