#include "platform/posix/HostPath.h"

#include <algorithm>
#include <string>

#include "platform/posix/HostText.h"

namespace kestrane::platform::posix {

std::filesystem::path HostPath(unsigned ansiCodePage, std::string_view path) {
  std::string name = ToHostText(ansiCodePage, path);
  std::ranges::replace(name, '\\', '/');
  return name;
}

}  // namespace kestrane::platform::posix
