// The version of the Kestrane type library, which Version reports.
#pragma once

namespace kestrane::server {

inline constexpr int kLibraryMajorVersion = 1;
inline constexpr int kLibraryMinorVersion = 0;

}  // namespace kestrane::server
