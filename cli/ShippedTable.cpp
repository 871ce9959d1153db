#include "cli/ShippedTable.h"

#include <array>

#include "platform/ExecutablePath.h"

namespace kestrane::cli {

std::optional<std::filesystem::path> ShippedTableDirectory() {
  const auto executable = platform::ExecutablePath();
  const std::array<std::filesystem::path, 2> candidates = {
      executable.empty() ? std::filesystem::path()
                         : executable.parent_path().parent_path() / "share" / "kestrane",
      std::filesystem::path(KESTRANE_SOURCE_TABLE_DIR)};
  for (const auto& folder : candidates) {
    std::error_code ignored;
    if (!folder.empty() && std::filesystem::is_regular_file(folder / "Language", ignored)) {
      return folder;
    }
  }
  return std::nullopt;
}

}  // namespace kestrane::cli
