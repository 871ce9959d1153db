// Which bytes of a 64-byte block lead a double-byte pair, found for the whole block at once.
//
// A byte of 0x80 or more leads a pair unless it is itself the trail of the pair before it, so
// in a run of such bytes every other byte leads, counting from the start of the run. This
// holds while every pair the run forms is mapped; the scan checks that afterwards.
#pragma once

#include <cstdint>

namespace kestrane::core {

struct BlockLeads {
  // Bit p: the byte at p leads a pair (its trail is at p + 1, in the next block for p = 63).
  std::uint64_t leads;
  // 1 when the last byte leads, so that the first byte of the next block is its trail.
  std::uint64_t carry;
};

// high: bit p set for a byte of 0x80 or more at p. carry: 1 when the byte at 0 is the trail of
// a pair led by the last byte of the previous block.
constexpr BlockLeads FindLeads(std::uint64_t high, std::uint64_t carry) {
  constexpr std::uint64_t kOddBits = 0xAAAAAAAAAAAAAAAAULL;
  // A run of high bytes that starts on an odd position turns into its leads by one
  // subtraction (the borrow runs through it); one that starts on an even position comes out
  // inverted, which the xor with the odd positions puts right for both.
  const std::uint64_t candidates = high & ~carry;
  const std::uint64_t alternating = ((candidates << 1 | kOddBits) - candidates) ^ kOddBits;
  const std::uint64_t leads = alternating & candidates;
  return {leads, leads >> 63};
}

}  // namespace kestrane::core
