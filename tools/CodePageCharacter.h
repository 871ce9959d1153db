// One double-byte code of a code page as a Unicode character, and back, through iconv.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tools/TableDirection.h"

namespace kestrane::tools {

// The UTF-8 character the code stands for, or nullopt when the code page leaves the code
// unassigned or gives it to the user (private use).
std::optional<std::string> DecodeCharacter(const CodeSpace& space, core::Code code);

// The code the code page writes the UTF-8 character as, or nullopt unless that is one byte
// pair with a slot in the space.
std::optional<core::Code> EncodeCharacter(const CodeSpace& space, std::string_view character);

}  // namespace kestrane::tools
