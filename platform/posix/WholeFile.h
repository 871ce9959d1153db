// The whole content of a small file.
#pragma once

#include <filesystem>
#include <string>

namespace kestrane::platform::posix {

// Throws IoError naming the file when it cannot be opened or read.
std::string ReadWholeFile(const std::filesystem::path& file);

}  // namespace kestrane::platform::posix
