#include <cstdio>

#include "platform/CodePage.h"

namespace kestrane::platform {
namespace {

std::string HexBytes(std::string_view bytes) {
  std::string hex;
  for (char byte : bytes.substr(0, 4)) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02X ", static_cast<unsigned char>(byte));
    hex += digits;
  }
  if (!hex.empty()) hex.pop_back();
  return hex;
}

}  // namespace

CodePageError CodePageError::At(std::string_view what, std::string_view offending,
                                std::size_t offset, unsigned fromCodePage, unsigned toCodePage) {
  return CodePageError(std::string(what) + " " + HexBytes(offending) + " at offset " +
                           std::to_string(offset) + " from code page " +
                           std::to_string(fromCodePage) + " to code page " +
                           std::to_string(toCodePage),
                       offset);
}

}  // namespace kestrane::platform
