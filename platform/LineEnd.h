// Where lines end in a byte buffer: at CR LF, at LF or at a lone CR.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace kestrane::platform {

struct LineEnd {
  std::size_t length;  // of the line without its line end
  std::size_t next;    // where the following line starts
};

// Finds the end of the line that starts at the front of text, searching from searchFrom (a
// position known to hold no line end before it). Without more input to come (atEnd), text
// that has no line end is the last line. Returns nullopt when more input is needed, or when
// text is empty at the end.
std::optional<LineEnd> FindLineEnd(std::string_view text, std::size_t searchFrom, bool atEnd);

}  // namespace kestrane::platform
