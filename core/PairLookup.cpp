#include "core/PairLookup.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kestrane::core {
namespace {

constexpr std::uint8_t kFirstNonAscii = 0x80;

std::int32_t PairIndex(Direction direction, std::uint8_t lead, std::uint8_t trail) {
  const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  if (direction == Direction::GBtoBIG5) return IsGBChar(lead, trail) ? GBIndex({pair, 2}) : -1;
  return IsBIG5Char(lead, trail) ? BIG5Index({pair, 2}) : -1;
}

// The two bytes of a code, high byte first, as the 16-bit value that stores them in order.
std::uint32_t StoredBytes(Code code) {
  const auto bytes = CodeToChar(code);
  std::uint16_t stored;
  std::memcpy(&stored, bytes.data(), sizeof stored);
  return stored;
}

// Copies the run of bytes below 0x80 that starts at i (there is at least one) and returns
// where it ends. Whole words are stored before their end is known: the scan writes every
// later position again in order, so what a word puts past the run is overwritten.
struct WordAsciiCopier {
  static std::size_t Copy(const std::uint8_t* input, std::size_t size, char* output,
                          std::size_t i) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::uint64_t word;
    while (i + sizeof word <= size) {
      std::memcpy(&word, input + i, sizeof word);
      if ((word & kHighBits) != 0) break;
      std::memcpy(output + i, &word, sizeof word);
      i += sizeof word;
    }
    for (; i < size && input[i] < kFirstNonAscii; ++i) output[i] = static_cast<char>(input[i]);
    return i;
  }
};

#if defined(__SSE2__)
struct Sse2AsciiCopier {
  static std::size_t Copy(const std::uint8_t* input, std::size_t size, char* output,
                          std::size_t i) {
    while (i + sizeof(__m128i) <= size) {
      const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(input + i));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(output + i), block);
      const auto highBytes = static_cast<unsigned>(_mm_movemask_epi8(block));
      if (highBytes != 0) return i + static_cast<std::size_t>(std::countr_zero(highBytes));
      i += sizeof(__m128i);
    }
    return WordAsciiCopier::Copy(input, size, output, i);
  }
};
#endif

// The two bytes at text[i] as one 16-bit value, the key of the lookup table.
std::uint16_t PairKey(const std::uint8_t* text, std::size_t i) {
  std::uint16_t key;
  std::memcpy(&key, text + i, sizeof key);
  return key;
}

template <typename AsciiCopier>
std::size_t ScanLoop(const PairLookup& lookup, const std::uint8_t* input, std::size_t size,
                     char* output, bool last) {
  std::size_t i = 0;
  while (i + 1 < size) {
    if (input[i] < kFirstNonAscii) {
      i = AsciiCopier::Copy(input, size, output, i);
      continue;
    }
    const std::uint32_t entry = lookup.entries[PairKey(input, i)];
    if (entry < PairLookup::kCopyLead) {
      const auto bytes = static_cast<std::uint16_t>(entry);
      std::memcpy(output + i, &bytes, sizeof bytes);
      i += 2;
    } else {
      output[i] = static_cast<char>(input[i]);
      i += 1;
    }
  }
  if (i + 1 == size) {
    // The last byte pairs with the zero after the end, which never forms a pair; but one that
    // may lead a pair waits for the next piece of a stream.
    if (!last && input[i] >= kFirstNonAscii) return i;
    output[i] = static_cast<char>(input[i]);
    ++i;
  }
  return i;
}

}  // namespace

std::shared_ptr<const PairLookup> PairLookup::Build(Direction direction, const Table& table) {
  auto lookup = std::make_shared<PairLookup>();
  const std::size_t count = table ? table->size() : 0;
  for (unsigned lead = 0; lead < 0x100; ++lead) {
    for (unsigned trail = 0; trail < 0x100; ++trail) {
      const std::uint8_t pair[2] = {static_cast<std::uint8_t>(lead),
                                    static_cast<std::uint8_t>(trail)};
      const auto index = PairIndex(direction, pair[0], pair[1]);
      const bool mapped = index >= 0 && static_cast<std::size_t>(index) < count;
      lookup->entries[PairKey(pair, 0)] =
          mapped ? StoredBytes((*table)[static_cast<std::size_t>(index)]) : kCopyLead;
    }
  }
  return lookup;
}

std::vector<ScanKernel> PairLookup::AvailableKernels() {
#if defined(__SSE2__)
  return {ScanKernel::Portable, ScanKernel::Sse2};
#else
  return {ScanKernel::Portable};
#endif
}

std::size_t PairLookup::ScanWith(ScanKernel kernel, const char* input, std::size_t size,
                                 char* output, bool last) const {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(input);
#if defined(__SSE2__)
  if (kernel == ScanKernel::Sse2) {
    return ScanLoop<Sse2AsciiCopier>(*this, bytes, size, output, last);
  }
#endif
  (void)kernel;
  return ScanLoop<WordAsciiCopier>(*this, bytes, size, output, last);
}

std::size_t PairLookup::Scan(const char* input, std::size_t size, char* output, bool last) const {
  static const ScanKernel fastest = AvailableKernels().back();
  return ScanWith(fastest, input, size, output, last);
}

}  // namespace kestrane::core
