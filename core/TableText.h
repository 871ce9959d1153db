// GetField without copying, for the loader's hot loop, and the excerpts of lines and values
// that error messages quote.
#pragma once

#include <string>
#include <string_view>

namespace kestrane::core {

// The same field GetField returns, as a view into text.
std::string_view GetFieldView(std::string_view text, std::string_view sep, int n);

// The text, or its first 80 bytes and "..." when longer: a line of a damaged file may be
// megabytes long, and a message quoting it whole would be that long too.
std::string Excerpt(std::string_view text);

}  // namespace kestrane::core
