// Where the running program's own executable file is.
#pragma once

#include <filesystem>

namespace kestrane::platform {

// The absolute file name of the running executable, or an empty path when the system does
// not tell it.
std::filesystem::path ExecutablePath();

}  // namespace kestrane::platform
