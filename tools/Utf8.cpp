#include "tools/Utf8.h"

#include <opencc/UTF8Util.hpp>

namespace kestrane::tools {

std::vector<std::string> SplitCharacters(std::string_view text) {
  const std::string terminated(text);
  std::vector<std::string> characters;
  for (std::size_t at = 0; at < terminated.size();) {
    const std::size_t length = opencc::UTF8Util::NextCharLength(terminated.c_str() + at);
    characters.push_back(terminated.substr(at, length));
    at += length;
  }
  return characters;
}

bool IsPrivateUse(std::string_view character) {
  // U+E000..U+F8FF are the three-byte sequences EE 80 80 .. EF A3 BF.
  if (character.size() != 3) return false;
  const auto lead = static_cast<unsigned char>(character[0]);
  const auto second = static_cast<unsigned char>(character[1]);
  return lead == 0xEE || (lead == 0xEF && second <= 0xA3);
}

}  // namespace kestrane::tools
