// The generator's account of the tables it made: how each slot was filled, the round trips,
// and every choice among several forms.
#pragma once

#include <string>

#include "tools/GeneratedTable.h"

namespace kestrane::tools {

struct GeneratedTables {
  GeneratedTable gbToBIG5;
  GeneratedTable big5ToGB;
};

// Where the data came from, named at the top of the report.
struct Sources {
  std::string openccVersion;
  std::string wordFrequencies;
  std::size_t wordCount;
};

// Counts of each kind of slot and the round trips, for both directions.
std::string SummaryText(const Sources& sources, const GeneratedTables& tables);

// One line per character with several forms in the target, for both directions.
std::string ChoicesText(const GeneratedTables& tables);

}  // namespace kestrane::tools
