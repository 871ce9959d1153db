#include "platform/ExecutablePath.h"

#include <system_error>

namespace kestrane::platform {

std::filesystem::path ExecutablePath() {
  // Linux names the executable of every process under /proc; other systems answer nothing.
  std::error_code error;
  auto file = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : file;
}

}  // namespace kestrane::platform
