// Classifying and indexing double-byte GB (code page 936) and BIG5 (code page 950) characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrane::core {

// A double-byte character with its lead byte in the high 8 bits.
using Code = std::uint16_t;

// Size of the GB index space (five regions and one block no pair produces).
inline constexpr std::int32_t kGBIndexSpace = 22729;
// Size of the BIG5 index space for lead bytes A1..FF, and for A1..FE alone.
inline constexpr std::int32_t kBIG5IndexSpace = 95 * 157;
inline constexpr std::int32_t kBIG5IndexSpaceToFE = 94 * 157;

// Table position of the GB character formed by the first two bytes of text, or -1.
std::int32_t GBIndex(std::string_view text);
bool IsGBChar(std::uint8_t lead, std::uint8_t trail);

// Table position of the BIG5 character formed by the first two bytes of text, or a negative
// value. The lead byte is not tested: one below A1 gives a negative result.
std::int32_t BIG5Index(std::string_view text);
bool IsBIG5Char(std::uint8_t lead, std::uint8_t trail);

// The two bytes of a code, high byte first, both kept even when zero.
std::string CodeToChar(Code code);

}  // namespace kestrane::core
