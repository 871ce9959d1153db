#include "tools/WeightedWords.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kestrane::tools {
namespace {

WeightedWord ParseLine(const std::string& line, const std::filesystem::path& file) {
  std::istringstream fields(line);
  WeightedWord entry;
  if (!(fields >> entry.word >> entry.weight)) {
    throw std::runtime_error(file.string() + ": not \"word count\": " + line);
  }
  return entry;
}

}  // namespace

std::vector<WeightedWord> ReadWordFrequencies(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::vector<WeightedWord> words;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) words.push_back(ParseLine(line, file));
  }
  return words;
}

}  // namespace kestrane::tools
