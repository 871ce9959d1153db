// A table built from the code pages and OpenCC: one code per slot, what kind of mapping each
// slot got, and the choices made where several forms were possible.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/CandidateVotes.h"
#include "tools/OpenccConfiguration.h"
#include "tools/TableDirection.h"

namespace kestrane::tools {

enum class SlotKind {
  Converted,          // a different character of the target
  Itself,             // the same Unicode character, which the target also has
  NoSourceCharacter,  // a slot no code produces, or a code the source leaves unassigned
  NoTargetCharacter,  // no form of the character exists in the target
};

struct Candidate {
  std::string character;
  core::Code code;
  std::uint64_t votes;
};

// A character with several forms in the target, and the one taken.
struct Choice {
  core::Code source;
  std::string character;
  std::vector<Candidate> candidates;
  std::size_t chosen;
};

struct GeneratedTable {
  std::vector<core::Code> codes;
  std::vector<SlotKind> kinds;
  std::vector<Choice> choices;
};

// Builds the table of a direction. Each slot's character gets OpenCC's candidates, then
// itself; of those the target code page holds, the one with the most votes wins, the earlier
// one on a tie. A slot without any gets the direction's replacement.
GeneratedTable BuildTable(const TableDirection& direction, const OpenccConfiguration& configuration,
                          const CandidateVotes& votes);

}  // namespace kestrane::tools
