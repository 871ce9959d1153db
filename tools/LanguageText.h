// The table file text for two tables, laid out exactly as the product's writer lays it out.
#pragma once

#include <string>
#include <vector>

#include "core/CodeIndex.h"

namespace kestrane::tools {

std::string LanguageText(const std::vector<core::Code>& big5Table,
                         const std::vector<core::Code>& gbTable);

}  // namespace kestrane::tools
