// GetField without copying, for the loader's hot loop.
#pragma once

#include <string_view>

namespace kestrane::core {

// The same field GetField returns, as a view into text.
std::string_view GetFieldView(std::string_view text, std::string_view sep, int n);

}  // namespace kestrane::core
