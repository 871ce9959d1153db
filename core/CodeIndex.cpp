#include "core/CodeIndex.h"

namespace kestrane::core {
namespace {

constexpr bool InRange(std::uint8_t value, std::uint8_t low, std::uint8_t high) {
  return value >= low && value <= high;
}

// First index of each GB region: running sums of 846, 564, 6768, 6112 and 8245.
constexpr std::int32_t kG2First = 846 + 564;
constexpr std::int32_t kG3First = kG2First + 6768;
constexpr std::int32_t kG4First = kG3First + 6112;
constexpr std::int32_t kG5First = kG4First + 8245;

constexpr std::int32_t kBIG5Columns = 157;

std::int32_t GBPairIndex(std::uint8_t lead, std::uint8_t trail) {
  if (InRange(lead, 0xA1, 0xA9) && InRange(trail, 0xA1, 0xFE))
    return (lead - 0xA1) * 94 + (trail - 0xA1);
  if (InRange(lead, 0xB0, 0xF7) && InRange(trail, 0xA1, 0xFE))
    return kG2First + (lead - 0xB0) * 94 + (trail - 0xA1);
  if (InRange(lead, 0x81, 0xA0) && InRange(trail, 0x40, 0xFE))
    return kG3First + (lead - 0x81) * 191 + (trail - 0x40);
  if (InRange(lead, 0xAA, 0xFE) && InRange(trail, 0x40, 0xA0))
    return kG4First + (lead - 0xAA) * 97 + (trail - 0x40);
  if (InRange(lead, 0xA8, 0xA9) && InRange(trail, 0x40, 0xA0))
    return kG5First + (lead - 0xA8) * 97 + (trail - 0x40);
  return -1;
}

std::int32_t BIG5PairIndex(std::uint8_t lead, std::uint8_t trail) {
  if (InRange(trail, 0x40, 0x7E)) return (lead - 0xA1) * kBIG5Columns + (trail - 0x40);
  if (InRange(trail, 0xA1, 0xFE)) return (lead - 0xA1) * kBIG5Columns + 63 + (trail - 0xA1);
  return -1;
}

std::uint8_t ByteAt(std::string_view text, std::size_t position) {
  return static_cast<std::uint8_t>(text[position]);
}

}  // namespace

std::int32_t GBIndex(std::string_view text) {
  if (text.size() < 2) return -1;
  return GBPairIndex(ByteAt(text, 0), ByteAt(text, 1));
}

bool IsGBChar(std::uint8_t lead, std::uint8_t trail) {
  return GBPairIndex(lead, trail) >= 0;
}

std::int32_t BIG5Index(std::string_view text) {
  if (text.size() < 2) return -1;
  return BIG5PairIndex(ByteAt(text, 0), ByteAt(text, 1));
}

bool IsBIG5Char(std::uint8_t lead, std::uint8_t trail) {
  return lead >= 0xA1 && BIG5PairIndex(lead, trail) >= 0;
}

std::string CodeToChar(Code code) {
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

}  // namespace kestrane::core
