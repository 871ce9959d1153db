// Conversions between Windows code pages (936, 950, 1252, 65001 = UTF-8 ...) and UTF-16.
// Converters are opened once per thread and code page, never per call.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kestrane::platform {

inline constexpr unsigned kCodePageGB = 936;
inline constexpr unsigned kCodePageBIG5 = 950;
inline constexpr unsigned kCodePageUtf8 = 65001;

// A byte sequence that the target or source code page cannot take.
class CodePageError : public std::runtime_error {
 public:
  CodePageError(const std::string& message, std::size_t offset)
      : std::runtime_error(message), offset_(offset) {}
  // Offset of the offending sequence in the input of the conversion.
  std::size_t offset() const { return offset_; }

  // "WHAT XX XX at offset N from code page A to code page B", with the first bytes of the
  // offending sequence in hexadecimal.
  static CodePageError At(std::string_view what, std::string_view offending, std::size_t offset,
                          unsigned fromCodePage, unsigned toCodePage);

 private:
  std::size_t offset_;
};

// Widens bytes of the code page to UTF-16 as MultiByteToWideChar without flags does: a byte
// sequence that the code page does not define becomes U+FFFD (a lone lead byte at the end too).
std::u16string ToUtf16(unsigned codePage, std::string_view bytes);

// Narrows UTF-16 to the code page as WideCharToMultiByte without flags does: a character the
// code page cannot take becomes "?".
std::string FromUtf16(unsigned codePage, std::u16string_view text);

// Converts a stream of text between two code pages strictly, in pieces of any size.
class Transcoder {
 public:
  Transcoder(unsigned fromCodePage, unsigned toCodePage);
  ~Transcoder();
  Transcoder(const Transcoder&) = delete;
  Transcoder& operator=(const Transcoder&) = delete;

  // Converts the whole characters at the front of input and appends them to output. Returns
  // the number of input bytes consumed; an incomplete character at the end is left unconsumed
  // unless last is true. Throws CodePageError, whose offset counts from the start of the whole
  // stream, for a sequence that cannot be converted (also an incomplete one when last is true).
  std::size_t Convert(std::string_view input, std::string& output, bool last);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace kestrane::platform
