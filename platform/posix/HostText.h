// Texts between the ANSI code page of the product's strings and the host's UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kestrane::platform::posix {

// Undefined bytes become U+FFFD.
std::string ToHostText(unsigned codePage, std::string_view bytes);

// Characters the code page cannot take become "?".
std::string FromHostText(unsigned codePage, std::string_view utf8);

}  // namespace kestrane::platform::posix
