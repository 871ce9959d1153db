// The IoError of a failed system call on a file.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/Platform.h"

namespace kestrane::platform::posix {

// "cannot <action> <file>: <strerror(error)>".
IoError FileError(std::string_view action, const std::filesystem::path& file, int error);

}  // namespace kestrane::platform::posix
