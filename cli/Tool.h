// The kestrane command-line tool as a whole.
#pragma once

#include <span>

namespace kestrane::cli {

// Runs the command line (without the program name) and returns the exit status.
int RunTool(std::span<char* const> args);

}  // namespace kestrane::cli
