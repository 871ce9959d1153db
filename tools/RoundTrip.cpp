#include "tools/RoundTrip.h"

namespace kestrane::tools {
namespace {

bool Returns(const TableDirection& direction, core::Code source, core::Code target,
             const GeneratedTable& backward) {
  const std::int32_t slot = SlotOf(direction.target, target);
  return slot >= 0 && backward.codes[static_cast<std::size_t>(slot)] == source;
}

}  // namespace

RoundTrip CountRoundTrips(const TableDirection& direction, const GeneratedTable& forward,
                          const GeneratedTable& backward) {
  RoundTrip count;
  const auto sources = CodesBySlot(direction.source);
  for (std::size_t k = 0; k < sources.size(); ++k) {
    if (!sources[k]) continue;
    const bool returns = Returns(direction, *sources[k], forward.codes[k], backward);
    if (forward.kinds[k] == SlotKind::Converted) {
      ++count.converted;
      count.convertedReturned += returns ? 1 : 0;
    } else if (forward.kinds[k] == SlotKind::Itself) {
      ++count.itself;
      count.itselfReturned += returns ? 1 : 0;
    }
  }
  return count;
}

}  // namespace kestrane::tools
