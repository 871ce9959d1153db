// The text routines of the table file: fields, and codes in "$XXXX" notation.
#include "core/TableText.h"
#include "core/TableFile.h"

#include <array>
#include <cstdint>

namespace kestrane::core {
namespace {

constexpr std::size_t kExcerptLength = 80;

// Value of each character as a digit: "A"-"F" are 10-15; any other character is read as a
// one-character decimal number, so only "0"-"9" pass; kNotADigit marks the rest.
constexpr int kNotADigit = 16;
constexpr auto kDigitValues = [] {
  std::array<std::uint8_t, 256> values{};
  values.fill(kNotADigit);
  for (std::uint8_t digit = 0; digit < 10; ++digit) values['0' + digit] = digit;
  for (std::uint8_t digit = 10; digit < 16; ++digit) values['A' + digit - 10] = digit;
  return values;
}();

// The error for the first of the four digits that is not one (the caller found one).
ConversionError BadDigit(std::string_view text) {
  std::size_t position = 1;
  while (kDigitValues[static_cast<unsigned char>(text[position])] != kNotADigit) ++position;
  return ConversionError("'" + std::string(1, text[position]) + "' in '" + Excerpt(text) +
                         "' is not a hexadecimal digit (0-9, A-F)");
}

}  // namespace

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
  int digitBits = 0;  // kNotADigit shows here if any of the four is not a digit
  for (std::size_t position = 1; position < 5; ++position) {
    const int value = kDigitValues[static_cast<unsigned char>(text[position])];
    code = code * 16 + value;
    digitBits |= value;
  }
  if ((digitBits & kNotADigit) != 0) throw BadDigit(text);
  return static_cast<Code>(code);
}

std::string CodeToHex(Code code) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "$";
  for (int shift = 12; shift >= 0; shift -= 4) text += kDigits[(code >> shift) & 0xF];
  return text;
}

}  // namespace kestrane::core
