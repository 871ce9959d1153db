#include "tools/TableDirection.h"

namespace kestrane::tools {

std::int32_t SlotOf(const CodeSpace& space, core::Code code) {
  const std::int32_t slot = space.index(core::CodeToChar(code));
  return slot >= 0 && slot < space.size ? slot : -1;
}

std::vector<std::optional<core::Code>> CodesBySlot(const CodeSpace& space) {
  std::vector<std::optional<core::Code>> codes(static_cast<std::size_t>(space.size));
  for (unsigned value = 0; value <= 0xFFFF; ++value) {
    const auto code = static_cast<core::Code>(value);
    const std::int32_t slot = SlotOf(space, code);
    if (slot >= 0) codes[static_cast<std::size_t>(slot)] = code;
  }
  return codes;
}

}  // namespace kestrane::tools
