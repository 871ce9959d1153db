// The host configuration record as text, for users to see where the tool looks.
#pragma once

#include <string>

#include "hostconfig/VeltrimIni.h"

namespace kestrane::cli {

// One "Field=value" line per field in declaration order; "Servers" (as name:port) and
// "WorkDLLPaths" give one line per element. Strings are the record's bytes, unchanged.
std::string FormatRecord(const hostconfig::TVeltrimIniC& record);

}  // namespace kestrane::cli
