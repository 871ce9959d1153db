#include "cli/TableText.h"

#include "core/TableFile.h"

namespace kestrane::cli {

std::string FormatTable(const std::vector<core::Code>& table) {
  std::string text;
  text.reserve(table.size() * 6);
  for (core::Code code : table) {
    text += core::CodeToHex(code);
    text += '\n';
  }
  return text;
}

}  // namespace kestrane::cli
