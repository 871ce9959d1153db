// Automation dates (days since 12/30/1899, the fraction being the time of day) as text, in
// the form OLE gives them for US English.
#pragma once

#include <optional>
#include <string>

namespace kestrane::server {

// "M/D/YYYY h:mm:ss AM", rounded to the second; the date alone at midnight, the time alone on
// 12/30/1899. Nothing for dates outside 1/1/100 .. 12/31/9999 and for NaN or infinity.
std::optional<std::string> OleDateText(double date);

}  // namespace kestrane::server
