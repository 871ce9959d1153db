#include "platform/posix/FileErrors.h"

#include <cstring>
#include <string>

namespace kestrane::platform::posix {

IoError FileError(std::string_view action, const std::filesystem::path& file, int error) {
  return IoError("cannot " + std::string(action) + " " + file.string() + ": " +
                 std::strerror(error));
}

}  // namespace kestrane::platform::posix
