#include "tools/CandidateVotes.h"

#include "tools/Utf8.h"

namespace kestrane::tools {

std::vector<WeightedWord> CandidateVotes::ConvertWords(const std::vector<WeightedWord>& words,
                                                       const OpenccConfiguration& configuration) {
  std::vector<WeightedWord> converted;
  converted.reserve(words.size());
  for (const auto& entry : words) {
    converted.push_back({configuration.Convert(entry.word), entry.weight});
  }
  return converted;
}

CandidateVotes::CandidateVotes(const std::vector<WeightedWord>& sourceWords,
                               const std::vector<WeightedWord>& convertedWords) {
  for (std::size_t w = 0; w < sourceWords.size(); ++w) {
    const auto source = SplitCharacters(sourceWords[w].word);
    const auto converted = SplitCharacters(convertedWords[w].word);
    if (source.size() != converted.size()) continue;
    for (std::size_t c = 0; c < source.size(); ++c) {
      votes_[source[c]][converted[c]] += sourceWords[w].weight;
    }
  }
}

std::uint64_t CandidateVotes::Votes(const std::string& source, const std::string& form) const {
  const auto forms = votes_.find(source);
  if (forms == votes_.end()) return 0;
  const auto count = forms->second.find(form);
  return count == forms->second.end() ? 0 : count->second;
}

}  // namespace kestrane::tools
