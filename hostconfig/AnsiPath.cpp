#include "hostconfig/AnsiPath.h"

#include <cstddef>

namespace kestrane::hostconfig {
namespace {

constexpr char kSeparator = '\\';

// Lead bytes of the double-byte ANSI code pages of Windows; the others are single-byte.
bool IsLeadByte(unsigned codePage, unsigned char byte) {
  switch (codePage) {
    case 932:
      return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950:
      return byte >= 0x81 && byte <= 0xFE;
    default:
      return false;
  }
}

// Where the last character begins; only a scan from the start tells lead from trail bytes.
std::size_t LastCharacterStart(std::string_view text, unsigned codePage) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size();) {
    start = i;
    const bool pair =
        IsLeadByte(codePage, static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    i += pair ? 2 : 1;
  }
  return start;
}

}  // namespace

bool EndsWithSeparator(std::string_view path, unsigned codePage) {
  return !path.empty() && path.back() == kSeparator &&
         LastCharacterStart(path, codePage) == path.size() - 1;
}

std::string WithTrailingSeparator(std::string path, unsigned codePage) {
  if (!EndsWithSeparator(path, codePage)) path += kSeparator;
  return path;
}

}  // namespace kestrane::hostconfig
