// Words of ordinary running text with how often they occur.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kestrane::tools {

struct WeightedWord {
  std::string word;
  std::uint64_t weight;
};

// Reads a word-frequency list of lines "word count [tag]" separated by spaces, such as the
// dictionary of the jieba segmenter. Throws std::runtime_error for an unreadable file or line.
std::vector<WeightedWord> ReadWordFrequencies(const std::filesystem::path& file);

}  // namespace kestrane::tools
