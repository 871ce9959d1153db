#include "tools/GeneratedTable.h"

#include <algorithm>
#include <optional>

#include "tools/CodePageCharacter.h"

namespace kestrane::tools {
namespace {

std::vector<Candidate> Encodable(const CodeSpace& target, const CandidateVotes& votes,
                                 const std::string& character,
                                 const std::vector<std::string>& forms) {
  std::vector<Candidate> candidates;
  for (const auto& form : forms) {
    if (const auto code = EncodeCharacter(target, form)) {
      candidates.push_back({form, *code, votes.Votes(character, form)});
    }
  }
  return candidates;
}

// OpenCC's forms that the target holds; failing those, the character itself when the target
// holds it too (OpenCC's form may be a variant the target code page lacks).
std::vector<Candidate> TargetCandidates(const TableDirection& direction,
                                        const OpenccConfiguration& configuration,
                                        const CandidateVotes& votes, const std::string& character) {
  auto candidates =
      Encodable(direction.target, votes, character, configuration.Candidates(character));
  if (candidates.empty()) candidates = Encodable(direction.target, votes, character, {character});
  return candidates;
}

std::size_t MostVoted(const std::vector<Candidate>& candidates) {
  std::size_t best = 0;
  for (std::size_t c = 1; c < candidates.size(); ++c) {
    if (candidates[c].votes > candidates[best].votes) best = c;
  }
  return best;
}

class TableBuilder {
 public:
  TableBuilder(const TableDirection& direction, const OpenccConfiguration& configuration,
               const CandidateVotes& votes)
      : direction_(direction), configuration_(configuration), votes_(votes) {}

  GeneratedTable Build() {
    for (const auto& code : CodesBySlot(direction_.source)) AddSlot(code);
    return std::move(table_);
  }

 private:
  void AddSlot(const std::optional<core::Code>& code) {
    const auto character = code ? DecodeCharacter(direction_.source, *code) : std::nullopt;
    if (!character) {
      Add(direction_.replacement, SlotKind::NoSourceCharacter);
      return;
    }
    auto candidates = TargetCandidates(direction_, configuration_, votes_, *character);
    if (candidates.empty()) {
      Add(direction_.replacement, SlotKind::NoTargetCharacter);
      return;
    }
    const std::size_t chosen = MostVoted(candidates);
    const auto& winner = candidates[chosen];
    Add(winner.code, winner.character == *character ? SlotKind::Itself : SlotKind::Converted);
    if (candidates.size() > 1) {
      table_.choices.push_back({*code, *character, std::move(candidates), chosen});
    }
  }

  void Add(core::Code code, SlotKind kind) {
    table_.codes.push_back(code);
    table_.kinds.push_back(kind);
  }

  const TableDirection& direction_;
  const OpenccConfiguration& configuration_;
  const CandidateVotes& votes_;
  GeneratedTable table_;
};

}  // namespace

GeneratedTable BuildTable(const TableDirection& direction, const OpenccConfiguration& configuration,
                          const CandidateVotes& votes) {
  return TableBuilder(direction, configuration, votes).Build();
}

}  // namespace kestrane::tools
