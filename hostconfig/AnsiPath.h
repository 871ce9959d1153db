// Separator tests on backslash paths held as bytes of an ANSI code page. In the double-byte
// code pages a trail byte may be 0x5C, which is then part of a character, not a separator.
#pragma once

#include <string>
#include <string_view>

namespace kestrane::hostconfig {

// True when the last character of path (read in codePage) is the single byte "\".
bool EndsWithSeparator(std::string_view path, unsigned codePage);

// path with "\" appended unless it already ends with a separator.
std::string WithTrailingSeparator(std::string path, unsigned codePage);

}  // namespace kestrane::hostconfig
