// The module-wide table state, for the parts of the core that load and edit it.
//
// Readers take an immutable snapshot and scan without a lock. Loads and edits hold the update
// lock, build new tables aside and publish them in one step, so nobody sees half a change.
#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "core/PairLookup.h"
#include "core/Tables.h"

namespace kestrane::core::detail {

struct TableSet {
  Table big5;
  Table gb;
};

struct Snapshot {
  TableSet tables;
  std::shared_ptr<const PairLookup> gbToBIG5;
  std::shared_ptr<const PairLookup> big5ToGB;
};

// Serialises loads and edits.
std::unique_lock<std::mutex> LockForUpdate();

std::shared_ptr<const Snapshot> CurrentSnapshot();

// Replaces the tables; the caller holds the update lock.
void PublishTables(TableSet tables);
void SetLanguagePath(std::string path);

// EnsureLoaded and LoadLanguage for a caller that holds the update lock.
void EnsureLoadedLocked(TableKind kind);
bool LoadLanguageLocked();

// WriteLanguage of the given tables, for a caller that holds the update lock.
bool WriteTablesLocked(const TableSet& tables);

// Path of the table file: LanguagePath + "Language".
std::string LanguageFile();

}  // namespace kestrane::core::detail
