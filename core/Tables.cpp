#include "core/Tables.h"

#include "core/StreamScan.h"
#include "core/TableState.h"

namespace kestrane::core {
namespace detail {
namespace {

struct ModuleState {
  std::mutex update;
  std::mutex publish;  // guards the two fields below for the moment of a read or a swap
  std::shared_ptr<const Snapshot> snapshot;
  std::string languagePath;
};

ModuleState& State() {
  static ModuleState state;
  return state;
}

std::shared_ptr<const Snapshot> MakeSnapshot(TableSet tables) {
  auto snapshot = std::make_shared<Snapshot>();
  snapshot->gbToBIG5 = PairLookup::Build(Direction::GBtoBIG5, tables.gb);
  snapshot->big5ToGB = PairLookup::Build(Direction::BIG5toGB, tables.big5);
  snapshot->tables = std::move(tables);
  return snapshot;
}

const Table& TableOf(const Snapshot& snapshot, TableKind kind) {
  return kind == TableKind::BIG5 ? snapshot.tables.big5 : snapshot.tables.gb;
}

}  // namespace

std::unique_lock<std::mutex> LockForUpdate() {
  return std::unique_lock(State().update);
}

std::shared_ptr<const Snapshot> CurrentSnapshot() {
  auto& state = State();
  std::lock_guard lock(state.publish);
  if (!state.snapshot) state.snapshot = MakeSnapshot({});
  return state.snapshot;
}

void PublishTables(TableSet tables) {
  auto snapshot = MakeSnapshot(std::move(tables));
  auto& state = State();
  std::lock_guard lock(state.publish);
  state.snapshot = std::move(snapshot);
}

void SetLanguagePath(std::string path) {
  auto& state = State();
  std::lock_guard lock(state.publish);
  state.languagePath = std::move(path);
}

void EnsureLoadedLocked(TableKind kind) {
  if (!TableOf(*CurrentSnapshot(), kind)) LoadLanguageLocked();
}

}  // namespace detail

void EnsureLoaded(TableKind kind) {
  if (detail::TableOf(*detail::CurrentSnapshot(), kind)) return;
  auto lock = detail::LockForUpdate();
  detail::EnsureLoadedLocked(kind);
}

Table GetBIG5Table() {
  EnsureLoaded(TableKind::BIG5);
  return detail::CurrentSnapshot()->tables.big5;
}

Table GetGBTable() {
  EnsureLoaded(TableKind::GB);
  return detail::CurrentSnapshot()->tables.gb;
}

namespace {
std::int32_t CountOf(const Table& table) {
  return table ? static_cast<std::int32_t>(table->size()) : 0;
}
}  // namespace

std::int32_t BIG5Count() {
  return CountOf(detail::CurrentSnapshot()->tables.big5);
}
std::int32_t GBCount() {
  return CountOf(detail::CurrentSnapshot()->tables.gb);
}

std::string LanguagePath() {
  auto& state = detail::State();
  std::lock_guard lock(state.publish);
  return state.languagePath;
}

namespace {
std::string ConvertWhole(Direction direction, std::string_view text) {
  const StreamScan scan(direction);
  std::string output(text.size(), '\0');
  scan.Convert(text.data(), text.size(), output.data(), true);
  return output;
}
}  // namespace

std::string ConvertGBtoBIG5(std::string_view text) {
  return ConvertWhole(Direction::GBtoBIG5, text);
}

std::string ConvertBIG5toGB(std::string_view text) {
  return ConvertWhole(Direction::BIG5toGB, text);
}

void ReleaseTables() {
  auto lock = detail::LockForUpdate();
  detail::PublishTables({});
  detail::SetLanguagePath({});
}

}  // namespace kestrane::core
