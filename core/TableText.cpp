// The text routines of the table file: fields, and codes in "$XXXX" notation.
#include "core/TableText.h"
#include "core/TableFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

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

// The code of four hexadecimal digits; nullopt when one of them is not one.
std::optional<Code> FourDigits(const char* digits) {
  int code = 0;
  int digitBits = 0;  // kNotADigit shows here if any of the four is not a digit
  for (std::size_t position = 0; position < 4; ++position) {
    const int value = kDigitValues[static_cast<unsigned char>(digits[position])];
    code = code * 16 + value;
    digitBits |= value;
  }
  if ((digitBits & kNotADigit) != 0) return std::nullopt;
  return static_cast<Code>(code);
}

// The first "=" in [begin, end), eight bytes at a time where it can: a key is some sixteen
// bytes, and a call of memchr costs more than that.
const char* FindEquals(const char* begin, const char* end) {
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    for (; end - begin >= 8; begin += 8) {
      std::uint64_t word;
      std::memcpy(&word, begin, sizeof word);
      // A byte of zero after the xor is an "="; the lowest flag is always a true one.
      const std::uint64_t matches = word ^ (kOnes * '=');
      const std::uint64_t flags = (matches - kOnes) & ~matches & kHighBits;
      if (flags != 0) return begin + std::countr_zero(flags) / 8;
    }
  }
  return std::find(begin, end, '=');
}

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
  if (const auto code = FourDigits(text.data() + 1)) return *code;
  throw BadDigit(text);
}

std::optional<Code> WellFormedValueCode(std::string_view line) {
  const char* const end = line.data() + line.size();
  const char* const equals = FindEquals(line.data(), end);
  // The value is at least its first character and four digits, none of them a second "=".
  if (end - equals < 6 || equals[1] == '=') return std::nullopt;
  return FourDigits(equals + 2);
}

std::string CodeToHex(Code code) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "$";
  for (int shift = 12; shift >= 0; shift -= 4) text += kDigits[(code >> shift) & 0xF];
  return text;
}

}  // namespace kestrane::core
