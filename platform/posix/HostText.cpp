#include "platform/posix/HostText.h"

#include "platform/CodePage.h"

namespace kestrane::platform::posix {

std::string ToHostText(unsigned codePage, std::string_view bytes) {
  return FromUtf16(kCodePageUtf8, ToUtf16(codePage, bytes));
}

std::string FromHostText(unsigned codePage, std::string_view utf8) {
  return FromUtf16(codePage, ToUtf16(kCodePageUtf8, utf8));
}

}  // namespace kestrane::platform::posix
