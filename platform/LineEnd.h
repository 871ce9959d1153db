// Where lines end in a byte buffer: at CR LF, at LF or at a lone CR.
#pragma once

#include <bit>
#include <cstddef>
#include <optional>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kestrane::platform {

struct LineEnd {
  std::size_t length;  // of the line without its line end
  std::size_t next;    // where the following line starts
};

namespace detail {

// The first CR or LF from searchFrom: a line of the table file is searched in one or two
// steps of sixteen bytes (find_first_of would call memchr once per byte).
inline std::size_t FindCrOrLf(std::string_view text, std::size_t searchFrom) {
  std::size_t i = searchFrom;
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  for (; i + sizeof(__m128i) <= text.size(); i += sizeof(__m128i)) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
    const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf));
    const auto found = static_cast<unsigned>(_mm_movemask_epi8(ends));
    if (found != 0) return i + static_cast<std::size_t>(std::countr_zero(found));
  }
#endif
  for (; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') return i;
  }
  return std::string_view::npos;
}

}  // namespace detail

// Finds the end of the line that starts at the front of text, searching from searchFrom (a
// position known to hold no line end before it). Without more input to come (atEnd), text
// that has no line end is the last line. Returns nullopt when more input is needed, or when
// text is empty at the end. Inline, since the line reader calls it for every line.
inline std::optional<LineEnd> FindLineEnd(std::string_view text, std::size_t searchFrom,
                                          bool atEnd) {
  std::size_t end = detail::FindCrOrLf(text, searchFrom);
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
