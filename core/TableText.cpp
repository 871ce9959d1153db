// The text routines of the table file: fields, and codes in "$XXXX" notation.
#include "core/TableText.h"
#include "core/TableFile.h"

namespace kestrane::core {
namespace {

constexpr std::size_t kExcerptLength = 80;

// Value of one digit: "A"-"F" are 10-15; any other character is read as a one-character
// decimal number, so only "0"-"9" pass.
int DigitValue(char digit, std::string_view text) {
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  if (digit >= '0' && digit <= '9') return digit - '0';
  throw ConversionError("'" + std::string(1, digit) + "' in '" + Excerpt(text) +
                        "' is not a hexadecimal digit (0-9, A-F)");
}

}  // namespace

std::string_view GetFieldView(std::string_view text, std::string_view sep, int n) {
  std::string_view token;
  int field = 1;
  bool more = !text.empty();
  while (field <= n && more) {
    const auto separator = text.find(sep);
    if (separator != std::string_view::npos && !sep.empty()) {
      token = text.substr(0, separator);
      text.remove_prefix(separator + sep.size());
      ++field;
    } else {
      token = text;
      more = false;
    }
  }
  return n > field ? std::string_view() : token;
}

std::string Excerpt(std::string_view text) {
  if (text.size() <= kExcerptLength) return std::string(text);
  return std::string(text.substr(0, kExcerptLength)) + "...";
}

std::string GetField(std::string_view text, std::string_view sep, int n) {
  return std::string(GetFieldView(text, sep, n));
}

Code HexToCode(std::string_view text) {
  if (text.size() < 5) {
    throw ConversionError("'" + std::string(text) + "' is too short for a code ($ and 4 digits)");
  }
  int code = 0;
  for (std::size_t position = 1; position < 5; ++position) {
    code = code * 16 + DigitValue(text[position], text);
  }
  return static_cast<Code>(code);
}

std::string CodeToHex(Code code) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "$";
  for (int shift = 12; shift >= 0; shift -= 4) text += kDigits[(code >> shift) & 0xF];
  return text;
}

}  // namespace kestrane::core
