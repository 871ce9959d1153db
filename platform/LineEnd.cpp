#include "platform/LineEnd.h"

namespace kestrane::platform {

std::optional<LineEnd> FindLineEnd(std::string_view text, std::size_t searchFrom, bool atEnd) {
  std::size_t end = text.find_first_of("\r\n", searchFrom);
  if (end == std::string_view::npos) {
    if (atEnd && !text.empty()) return LineEnd{text.size(), text.size()};
    return std::nullopt;
  }
  if (text[end] == '\n') return LineEnd{end, end + 1};
  // A CR as the last byte may be the first half of a CR LF still to come.
  if (end + 1 == text.size() && !atEnd) return std::nullopt;
  bool crlf = end + 1 < text.size() && text[end + 1] == '\n';
  return LineEnd{end, end + (crlf ? 2 : 1)};
}

}  // namespace kestrane::platform
