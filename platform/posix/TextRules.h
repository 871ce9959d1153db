// Small byte-string rules shared by the registry and ini readers.
#pragma once

#include <string>
#include <string_view>

namespace kestrane::platform::posix {

// Compares ASCII letters without regard to case, every other byte exactly.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The text without leading and trailing spaces and tabs.
std::string_view TrimBlanks(std::string_view text);

}  // namespace kestrane::platform::posix
