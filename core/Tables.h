// The two shared mapping tables, their lazy load and the conversion scans.
//
// One set of tables serves the whole process. Conversions run in parallel and each sees one
// consistent set; loads and edits are exclusive and replace the set in one step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CodeIndex.h"

namespace kestrane::core {

// A table is absent (never loaded) or an array of codes, possibly of zero elements.
using Table = std::optional<std::vector<Code>>;

enum class TableKind { BIG5, GB };

// Loads both tables from the table file when the given one was never loaded.
void EnsureLoaded(TableKind kind);

// Copies of the whole tables, after EnsureLoaded; absent when no table file was found.
Table GetBIG5Table();
Table GetGBTable();

std::int32_t BIG5Count();
std::int32_t GBCount();
// Directory of the table file, set by every load; ends in "\" or is empty.
std::string LanguagePath();

std::string ConvertGBtoBIG5(std::string_view text);
std::string ConvertBIG5toGB(std::string_view text);

// Releases the tables and the path, as when the module unloads.
void ReleaseTables();

}  // namespace kestrane::core
