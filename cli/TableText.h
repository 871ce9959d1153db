// A mapping table as text: one code per line in code notation ("$" and four hex digits).
#pragma once

#include <string>
#include <vector>

#include "core/CodeIndex.h"

namespace kestrane::cli {

// Line k + 1 holds element k; every line ends in "\n".
std::string FormatTable(const std::vector<core::Code>& table);

}  // namespace kestrane::cli
