#include "core/PairLookup.h"

#include <cstring>

namespace kestrane::core {
namespace {

constexpr std::uint8_t kFirstNonAscii = 0x80;

std::int32_t PairIndex(Direction direction, std::uint8_t lead, std::uint8_t trail) {
  const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  if (direction == Direction::GBtoBIG5) return IsGBChar(lead, trail) ? GBIndex({pair, 2}) : -1;
  return IsBIG5Char(lead, trail) ? BIG5Index({pair, 2}) : -1;
}

// Length of the run of bytes below 0x80 at the start of text, read eight bytes at a time.
std::size_t AsciiRun(const char* text, std::size_t size) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  std::size_t run = 0;
  while (run + 8 <= size) {
    std::uint64_t word;
    std::memcpy(&word, text + run, sizeof word);
    if ((word & kHighBits) != 0) break;
    run += 8;
  }
  while (run < size && static_cast<std::uint8_t>(text[run]) < kFirstNonAscii) ++run;
  return run;
}

}  // namespace

std::shared_ptr<const PairLookup> PairLookup::Build(Direction direction, const Table& table) {
  auto lookup = std::make_shared<PairLookup>();
  const std::size_t count = table ? table->size() : 0;
  for (std::uint32_t pair = 0; pair < lookup->entries.size(); ++pair) {
    const auto index = PairIndex(direction, static_cast<std::uint8_t>(pair >> 8),
                                 static_cast<std::uint8_t>(pair & 0xFF));
    const bool mapped = index >= 0 && static_cast<std::size_t>(index) < count;
    lookup->entries[pair] = mapped ? (*table)[static_cast<std::size_t>(index)] : kCopyLead;
  }
  return lookup;
}

std::size_t PairLookup::Scan(const char* input, std::size_t size, char* output, bool last) const {
  std::size_t i = 0;
  while (i < size) {
    const std::size_t run = AsciiRun(input + i, size - i);
    std::memcpy(output + i, input + i, run);
    i += run;
    while (i < size && static_cast<std::uint8_t>(input[i]) >= kFirstNonAscii) {
      const auto lead = static_cast<std::uint8_t>(input[i]);
      if (i + 1 == size && !last) return i;
      // Past the end the trail is a zero byte, which never forms a pair.
      const std::uint8_t trail = i + 1 < size ? static_cast<std::uint8_t>(input[i + 1]) : 0;
      const std::uint32_t entry = entries[static_cast<std::size_t>(lead) << 8 | trail];
      if (entry < kCopyLead) {
        output[i] = static_cast<char>(entry >> 8);
        output[i + 1] = static_cast<char>(entry & 0xFF);
        i += 2;
      } else {
        output[i] = static_cast<char>(lead);
        i += 1;
      }
    }
  }
  return i;
}

}  // namespace kestrane::core
