// One OpenCC configuration (such as s2tw or tw2s): the candidates its character dictionaries
// offer for a single character, and its conversion of whole words.
#pragma once

#include <opencc/Common.hpp>

#include <string>
#include <vector>

namespace kestrane::tools {

class OpenccConfiguration {
 public:
  // Loads the configuration file, for example /usr/share/opencc/s2tw.json.
  explicit OpenccConfiguration(const std::string& file);

  // Every form the configuration's chain of dictionaries can give the character, in OpenCC's
  // order of preference (its default first), without repeats.
  std::vector<std::string> Candidates(const std::string& character) const;

  // The text as OpenCC converts it, phrase dictionaries included.
  std::string Convert(const std::string& text) const;

 private:
  opencc::ConverterPtr converter_;
};

}  // namespace kestrane::tools
