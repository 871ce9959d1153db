// Host file names as the product's paths: bytes of the ANSI code page.
#pragma once

#include <filesystem>
#include <string>

namespace kestrane::cli {

// Throws std::runtime_error when the code page cannot hold every character of the name.
std::string ToProductPath(const std::filesystem::path& file, unsigned ansiCodePage);

}  // namespace kestrane::cli
