// What "kestrane --help" prints.
#pragma once

#include <string_view>

namespace kestrane::cli {

std::string_view HelpText();

}  // namespace kestrane::cli
