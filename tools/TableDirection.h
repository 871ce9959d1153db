// The two directions a table converts: which code page it reads, which it writes, and how
// its slots are numbered.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/CodeIndex.h"
#include "platform/CodePage.h"

namespace kestrane::tools {

using IndexFunction = std::int32_t (*)(std::string_view);

struct CodeSpace {
  unsigned codePage;
  IndexFunction index;
  // Slots 0 .. size - 1 are the ones the table file holds.
  std::int32_t size;
};

struct TableDirection {
  std::string_view name;
  CodeSpace source;
  CodeSpace target;
  // The fullwidth question mark of the target, for slots without a mapping: visible, unlike
  // the filler 0x2020, which would silently turn text into spaces.
  core::Code replacement;
};

inline constexpr CodeSpace kGBSpace{platform::kCodePageGB, core::GBIndex, core::kGBIndexSpace};
// Lead byte FF is outside the file's table, which ends with row FE.
inline constexpr CodeSpace kBIG5Space{platform::kCodePageBIG5, core::BIG5Index,
                                      core::kBIG5IndexSpaceToFE};

inline constexpr TableDirection kGBtoBIG5{"GB to BIG5", kGBSpace, kBIG5Space, 0xA148};
inline constexpr TableDirection kBIG5toGB{"BIG5 to GB", kBIG5Space, kGBSpace, 0xA3BF};

// The slot of a code in the space, or -1 when the code has none there.
std::int32_t SlotOf(const CodeSpace& space, core::Code code);

// The code of each slot, where some code has that slot.
std::vector<std::optional<core::Code>> CodesBySlot(const CodeSpace& space);

}  // namespace kestrane::tools
