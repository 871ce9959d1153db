// How often OpenCC writes each form for a character in converted running text.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "tools/OpenccConfiguration.h"
#include "tools/WeightedWords.h"

namespace kestrane::tools {

class CandidateVotes {
 public:
  // Every word converted by the configuration, with the word's weight.
  static std::vector<WeightedWord> ConvertWords(const std::vector<WeightedWord>& words,
                                                const OpenccConfiguration& configuration);

  // Counts, for each character of each source word, the character that stands in its place
  // in the converted word, by the word's weight. Words whose conversion changes their length
  // cannot be lined up and are left out.
  CandidateVotes(const std::vector<WeightedWord>& sourceWords,
                 const std::vector<WeightedWord>& convertedWords);

  // Total weight of the words in which the source character became the form.
  std::uint64_t Votes(const std::string& source, const std::string& form) const;

 private:
  std::unordered_map<std::string, std::unordered_map<std::string, std::uint64_t>> votes_;
};

}  // namespace kestrane::tools
