// The scan in blocks of 64 bytes. Each block is copied to the output whole, which settles
// every single byte, and then each pair is looked up and written over its two bytes. Which
// bytes lead pairs is found for the whole block from its bytes of 0x80 and above (no byte
// below 0x80 leads a pair in either encoding); should a lead turn out unmapped, the block is
// done again step by step from its first pair.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/LeadMask.h"
#include "core/PairSteps.h"

namespace kestrane::core::scan {

inline constexpr std::size_t kBlockSize = 64;

// Writes the pairs of the block at in (and out). Bit j of pairStarts stands for a pair that
// starts at offset j - 1, so bit 0 is a lead left over from the previous block (in[-1] is then
// part of the input) and a lead on the block's last byte waits for the next one. Returns
// false when one of them is unmapped.
[[gnu::always_inline]] inline bool WritePairs(const PairEntries& entries, const std::uint8_t* in,
                                              char* out, std::uint64_t pairStarts) {
  std::uint32_t seen = 0;
  for (; pairStarts != 0; pairStarts &= pairStarts - 1) {
    const std::size_t at = static_cast<std::uint32_t>(std::countr_zero(pairStarts));
    const std::uint32_t entry = entries.byCode[PairCode(in + at - 1, 0)];
    seen |= entry;
    StorePair(out + at - 1, 0, entry);
  }
  return seen < PairEntries::kCopyLead;
}

// Redoes the block at base step by step from start (base, or base - 1 for a pending lead).
// Returns the carry into the next block: 1 when its last byte leads a mapped pair.
[[gnu::always_inline]] inline std::uint64_t RedoBlock(const PairEntries& entries,
                                                      const std::uint8_t* input, char* output,
                                                      std::size_t base, std::size_t start) {
  const std::size_t lastByte = base + kBlockSize - 1;
  const std::size_t next = StepsUntil(entries, input, output, start, lastByte);
  if (next != lastByte) return 0;
  if (input[lastByte] >= kFirstNonAscii &&
      entries.byCode[PairCode(input, lastByte)] < PairEntries::kCopyLead) {
    return 1;
  }
  output[lastByte] = static_cast<char>(input[lastByte]);
  return 0;
}

// Block: a type with static std::uint64_t CopyAndFindHigh(const std::uint8_t*, char*) that
// copies 64 bytes and returns the mask of those of 0x80 and above (bit p for byte p).
template <typename Block>
[[gnu::always_inline]] inline std::size_t ScanInBlocks(const PairEntries& entries,
                                                       const std::uint8_t* input, std::size_t size,
                                                       char* output, bool last) {
  std::size_t base = 0;
  std::uint64_t carry = 0;
  // A block needs the byte after it, the trail of a lead on its last byte.
  if (size <= kBlockSize) return FinishSteps(entries, input, size, output, 0, last);
  BlockLeads found = FindLeads(Block::CopyAndFindHigh(input, output), 0);
  while (true) {
    // The next block is copied and its leads found before the pairs of this one are written,
    // so that when the pair loop ends (on a branch that is hard to predict) the next loop can
    // start at once instead of waiting for the loads and the mask arithmetic.
    const bool more = size - base > 2 * kBlockSize;
    const std::uint64_t nextHigh =
        more ? Block::CopyAndFindHigh(input + base + kBlockSize, output + base + kBlockSize) : 0;
    BlockLeads next = FindLeads(nextHigh, found.carry);
    if (WritePairs(entries, input + base, output + base, found.leads << 1 | carry)) {
      carry = found.carry;
    } else {
      carry = RedoBlock(entries, input, output, base, base - static_cast<std::size_t>(carry));
      next = FindLeads(nextHigh, carry);
    }
    base += kBlockSize;
    if (!more) break;
    found = next;
  }
  return FinishSteps(entries, input, size, output, base - static_cast<std::size_t>(carry), last);
}

}  // namespace kestrane::core::scan
