#include "core/PairLookup.h"

#include <algorithm>
#include <cstring>

#include "core/PairSteps.h"
#include "core/ScanKernels.h"

namespace kestrane::core {
namespace {

std::int32_t PairIndex(Direction direction, const char (&pair)[2]) {
  // Each index function gives a negative value exactly for the pairs its classifier rejects.
  return direction == Direction::GBtoBIG5 ? GBIndex({pair, 2}) : BIG5Index({pair, 2});
}

// The two bytes of a code, high byte first, as the 16-bit value that stores them in order.
std::uint32_t StoredBytes(Code code) {
  const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  std::uint16_t stored;
  std::memcpy(&stored, bytes, sizeof stored);
  return stored;
}

void Fill(PairEntries& entries, Direction direction, const std::vector<Code>& codes) {
  const auto mappable = entries.byCode.begin() + PairEntries::kFirstMappableCode;
  std::fill(mappable, entries.byCode.end(), PairEntries::kCopyLead);
  if (codes.empty()) return;
  for (unsigned code = PairEntries::kFirstMappableCode; code <= 0xFFFF; ++code) {
    const char pair[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    const auto index = PairIndex(direction, pair);
    if (index < 0 || static_cast<std::size_t>(index) >= codes.size()) continue;
    entries.byCode[code] = StoredBytes(codes[static_cast<std::size_t>(index)]);
  }
}

}  // namespace

std::shared_ptr<const PairLookup> PairLookup::Build(Direction direction, const Table& table) {
  return std::make_shared<PairLookup>(direction, table.value_or(std::vector<Code>{}));
}

// The entries are left unwritten, so that their memory is not touched before the first scan.
PairLookup::PairLookup(Direction direction, std::vector<Code> codes)
    : direction_(direction), codes_(std::move(codes)) {}

const PairEntries& PairLookup::Entries() const {
  std::call_once(filled_, [this] { Fill(entries_, direction_, codes_); });
  return entries_;
}

std::vector<ScanKernel> PairLookup::AvailableKernels() {
  std::vector<ScanKernel> kernels{ScanKernel::Portable};
#if defined(KESTRANE_SSE2_KERNEL)
  kernels.push_back(ScanKernel::Sse2);
#endif
#if defined(KESTRANE_AVX2_KERNEL)
  if (scan::Avx2Supported()) kernels.push_back(ScanKernel::Avx2);
#endif
  return kernels;
}

std::size_t PairLookup::ScanWith(ScanKernel kernel, const char* input, std::size_t size,
                                 char* output, bool last) const {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(input);
  const PairEntries& entries = Entries();
  switch (kernel) {
#if defined(KESTRANE_AVX2_KERNEL)
    case ScanKernel::Avx2:
      return scan::ScanAvx2(entries, bytes, size, output, last);
#endif
#if defined(KESTRANE_SSE2_KERNEL)
    case ScanKernel::Sse2:
      return scan::ScanSse2(entries, bytes, size, output, last);
#endif
    default:
      return scan::ScanPortable(entries, bytes, size, output, last);
  }
}

std::size_t PairLookup::Scan(const char* input, std::size_t size, char* output, bool last) const {
  static const ScanKernel fastest = AvailableKernels().back();
  return ScanWith(fastest, input, size, output, last);
}

}  // namespace kestrane::core
