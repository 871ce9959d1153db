#include "tools/LanguageText.h"

#include "core/TableFile.h"

namespace kestrane::tools {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendEntries(std::string& text, std::string_view prefix,
                   const std::vector<core::Code>& table) {
  for (std::size_t k = 0; k < table.size(); ++k) {
    text += prefix;
    text += '[' + std::to_string(k) + "]=" + core::CodeToHex(table[k]);
    text += kLineEnd;
  }
}

}  // namespace

std::string LanguageText(const std::vector<core::Code>& big5Table,
                         const std::vector<core::Code>& gbTable) {
  std::string text = "[BIG5]";
  text += kLineEnd;
  AppendEntries(text, "BIG5Order", big5Table);
  text += "[GB]";
  text += kLineEnd;
  AppendEntries(text, "GBOrder", gbTable);
  return text;
}

}  // namespace kestrane::tools
