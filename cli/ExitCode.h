// The tool's exit statuses.
#pragma once

namespace kestrane::cli {

inline constexpr int kExitDone = 0;
// The operation answered false, or no table file was found.
inline constexpr int kExitFalse = 1;
// A usage error, or an error raised by the operation.
inline constexpr int kExitError = 2;

}  // namespace kestrane::cli
