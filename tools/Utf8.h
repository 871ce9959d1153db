// Splitting UTF-8 text into characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrane::tools {

// The characters of valid UTF-8 text, each as its own UTF-8 bytes.
std::vector<std::string> SplitCharacters(std::string_view text);

// Whether the single UTF-8 character lies in the Private Use Area (U+E000..U+F8FF), where code
// pages put their user-defined codes.
bool IsPrivateUse(std::string_view character);

}  // namespace kestrane::tools
