// The scan one step at a time: the reference the block kernels fall back on, and the way they
// finish the bytes that do not fill a block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/PairEntries.h"

namespace kestrane::core::scan {

inline constexpr std::uint8_t kFirstNonAscii = 0x80;

// The code of the pair at text[i], the index of its entry.
inline std::uint16_t PairCode(const std::uint8_t* text, std::size_t i) {
  return static_cast<std::uint16_t>(text[i] << 8 | text[i + 1]);
}

inline void StorePair(char* output, std::size_t i, std::uint32_t entry) {
  const auto bytes = static_cast<std::uint16_t>(entry);
  std::memcpy(output + i, &bytes, sizeof bytes);
}

// One step at i, where a byte follows: a mapped pair gives its two bytes, any other byte
// itself. Returns where the next step starts.
inline std::size_t Step(const PairEntries& entries, const std::uint8_t* input, char* output,
                        std::size_t i) {
  if (input[i] < kFirstNonAscii) {
    output[i] = static_cast<char>(input[i]);
    return i + 1;
  }
  const std::uint32_t entry = entries.byCode[PairCode(input, i)];
  if (entry < PairEntries::kCopyLead) {
    StorePair(output, i, entry);
    return i + 2;
  }
  output[i] = static_cast<char>(input[i]);
  return i + 1;
}

// Steps from i while the step's byte is before end (a byte must follow end - 1); returns
// where the next step starts, end or end + 1.
inline std::size_t StepsUntil(const PairEntries& entries, const std::uint8_t* input, char* output,
                              std::size_t i, std::size_t end) {
  while (i < end) i = Step(entries, input, output, i);
  return i;
}

// Steps from i to the end of the input; returns the bytes consumed. The last byte pairs with
// the zero after the end, which never forms a pair; but one that may lead a pair waits for
// the next piece of a stream unless this is the last.
inline std::size_t FinishSteps(const PairEntries& entries, const std::uint8_t* input,
                               std::size_t size, char* output, std::size_t i, bool last) {
  if (size == 0) return 0;
  i = StepsUntil(entries, input, output, i, size - 1);
  if (i == size) return i;
  if (!last && input[i] >= kFirstNonAscii) return i;
  output[i] = static_cast<char>(input[i]);
  return size;
}

}  // namespace kestrane::core::scan
