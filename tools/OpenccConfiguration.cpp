#include "tools/OpenccConfiguration.h"

#include <opencc/Config.hpp>
#include <opencc/Conversion.hpp>
#include <opencc/ConversionChain.hpp>
#include <opencc/Converter.hpp>
#include <opencc/Dict.hpp>

#include <algorithm>

namespace kestrane::tools {
namespace {

// The values one step's dictionary gives the character; a character it does not know passes
// through unchanged, as in OpenCC's own conversion.
std::vector<std::string> StepValues(const opencc::Dict& dict, const std::string& character) {
  const auto entry = dict.Match(character);
  if (entry.IsNull()) return {character};
  return entry.Get()->Values();
}

void AppendNew(std::vector<std::string>& list, const std::vector<std::string>& values) {
  for (const auto& value : values) {
    if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
  }
}

}  // namespace

OpenccConfiguration::OpenccConfiguration(const std::string& file)
    : converter_(opencc::Config().NewFromFile(file)) {}

std::vector<std::string> OpenccConfiguration::Candidates(const std::string& character) const {
  std::vector<std::string> forms{character};
  for (const auto& conversion : converter_->GetConversionChain()->GetConversions()) {
    std::vector<std::string> next;
    for (const auto& form : forms) AppendNew(next, StepValues(*conversion->GetDict(), form));
    forms = std::move(next);
  }
  return forms;
}

std::string OpenccConfiguration::Convert(const std::string& text) const {
  return converter_->Convert(text);
}

}  // namespace kestrane::tools
