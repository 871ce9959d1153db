// The text routines of the table file written step by step as the product defines them
// (positions from 1), to check the product's routines against.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/CodeIndex.h"

namespace kestrane::fuzz {

inline std::string ReferenceGetField(std::string text, std::string_view sep, int n) {
  std::string token;
  int i = 1;
  bool more = !text.empty();
  while (i <= n && more) {
    // The position of sep in text counting from 1, or 0; an empty sep is never found.
    const std::size_t p =
        sep.empty() || text.find(sep) == std::string::npos ? 0 : text.find(sep) + 1;
    if (p > 0) {
      token = text.substr(0, p - 1);
      text.erase(0, p - 1 + sep.size());
      ++i;
    } else {
      token = text;
      more = false;
    }
  }
  return n > i ? std::string() : token;
}

// Nothing when a character at positions 2 to 5 is missing or not a digit "0"-"9", "A"-"F".
inline std::optional<core::Code> ReferenceHexToCode(std::string_view text) {
  int digits[4];
  for (std::size_t position = 2; position <= 5; ++position) {
    if (text.size() < position) return std::nullopt;
    const char c = text[position - 1];
    if (c >= 'A' && c <= 'F') {
      digits[position - 2] = c - 'A' + 10;
    } else if (c >= '0' && c <= '9') {
      digits[position - 2] = c - '0';
    } else {
      return std::nullopt;
    }
  }
  return static_cast<core::Code>(digits[0] * 4096 + digits[1] * 256 + digits[2] * 16 + digits[3]);
}

}  // namespace kestrane::fuzz
