// The host file name of a path given as ANSI code page bytes with "\" separators.
#pragma once

#include <filesystem>
#include <string_view>

namespace kestrane::platform::posix {

// Decodes first and only then turns "\" into "/", so that a double-byte character whose trail
// byte is 0x5C stays one character.
std::filesystem::path HostPath(unsigned ansiCodePage, std::string_view path);

}  // namespace kestrane::platform::posix
