// GetField without copying and the quick reading of a well-formed value, for the loader's hot
// loop, and the excerpts of lines and values that error messages quote.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/CodeIndex.h"

namespace kestrane::core {

namespace detail {

// The first occurrence of sep; a one-byte separator (the table file's "=") is searched for
// with memchr instead of the general search.
inline std::size_t FindSeparator(std::string_view text, std::string_view sep) {
  return sep.size() == 1 ? text.find(sep.front()) : text.find(sep);
}

}  // namespace detail

// The same field GetField returns, as a view into text. Inline, so that the loader's call with
// its constant separator and field number compiles to two searches.
inline std::string_view GetFieldView(std::string_view text, std::string_view sep, int n) {
  std::string_view token;
  int field = 1;
  bool more = !text.empty();
  while (field <= n && more) {
    const auto separator = detail::FindSeparator(text, sep);
    if (separator != std::string_view::npos && !sep.empty()) {
      token = text.substr(0, separator);
      text.remove_prefix(separator + sep.size());
      ++field;
    } else {
      token = text;
      more = false;
    }
  }
  return n > field ? std::string_view() : token;
}

// The code of a table line's value (its second field at "=") when that value is well formed,
// as it nearly always is: the same as HexToCode(GetFieldView(line, "=", 2)) without the general
// field search. nullopt for anything else, which those two then judge.
std::optional<Code> WellFormedValueCode(std::string_view line);

// The text, or its first 80 bytes and "..." when longer: a line of a damaged file may be
// megabytes long, and a message quoting it whole would be that long too.
std::string Excerpt(std::string_view text);

}  // namespace kestrane::core
