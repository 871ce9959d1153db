// The Windows read-only attribute as seen on POSIX files.
#pragma once

#include <filesystem>

namespace kestrane::platform::posix {

// A file without any write permission bit counts as read-only, as Wine maps the attribute;
// this holds also for root, whom the permission bits alone would not stop.
inline bool IsReadOnly(std::filesystem::perms permissions) {
  using std::filesystem::perms;
  return (permissions & (perms::owner_write | perms::group_write | perms::others_write)) ==
         perms::none;
}

}  // namespace kestrane::platform::posix
