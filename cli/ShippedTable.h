// The table file that ships with the tool.
#pragma once

#include <filesystem>
#include <optional>

namespace kestrane::cli {

// The folder holding the shipped "Language": ../share/kestrane beside the executable when the
// tool is installed, else the source tree's data folder when it runs from its build folder.
std::optional<std::filesystem::path> ShippedTableDirectory();

}  // namespace kestrane::cli
