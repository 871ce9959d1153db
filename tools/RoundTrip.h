// How many characters come back to themselves when converted there and back again.
#pragma once

#include <cstddef>

#include "tools/GeneratedTable.h"

namespace kestrane::tools {

struct RoundTrip {
  std::size_t converted = 0;          // mapped to a different character of the target
  std::size_t convertedReturned = 0;  // ... and the backward table leads back to the same code
  std::size_t itself = 0;             // mapped to the same character
  std::size_t itselfReturned = 0;
};

// Follows every slot of the forward table that holds a real character through the backward
// table of the opposite direction.
RoundTrip CountRoundTrips(const TableDirection& direction, const GeneratedTable& forward,
                          const GeneratedTable& backward);

}  // namespace kestrane::tools
