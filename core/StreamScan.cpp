#include "core/StreamScan.h"

#include "core/PairLookup.h"
#include "core/TableState.h"

namespace kestrane::core {

StreamScan::StreamScan(Direction direction) {
  const auto sourceTable = direction == Direction::GBtoBIG5 ? TableKind::GB : TableKind::BIG5;
  EnsureLoaded(sourceTable);
  const auto snapshot = detail::CurrentSnapshot();
  lookup_ = direction == Direction::GBtoBIG5 ? snapshot->gbToBIG5 : snapshot->big5ToGB;
}

StreamScan::~StreamScan() = default;
StreamScan::StreamScan(StreamScan&&) noexcept = default;
StreamScan& StreamScan::operator=(StreamScan&&) noexcept = default;

std::size_t IndependentCut(const char* input, std::size_t size, std::size_t reach) {
  const std::size_t stop = size > reach ? size - reach : 0;
  for (std::size_t end = size; end > stop; --end) {
    if (static_cast<unsigned char>(input[end - 1]) < 0x40) return end;
  }
  return 0;
}

std::size_t StreamScan::Convert(const char* input, std::size_t size, char* output,
                                bool last) const {
  return lookup_->Scan(input, size, output, last);
}

}  // namespace kestrane::core
