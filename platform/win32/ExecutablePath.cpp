#include "platform/ExecutablePath.h"

#include "platform/win32/ModuleFileName.h"

namespace kestrane::platform {

std::filesystem::path ExecutablePath() {
  return win32::ModuleFileName(nullptr);
}

}  // namespace kestrane::platform
