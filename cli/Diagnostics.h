// Messages to the user on standard error, each one line after the tool's name.
#pragma once

#include <string_view>

namespace kestrane::cli {

void PrintError(std::string_view text);

}  // namespace kestrane::cli
