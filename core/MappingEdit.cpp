// Recording one BIG5/GB correspondence. The edit works on copies of the tables and publishes
// them only once the file holds them, so a failed edit leaves memory and file as they were.
#include "core/MappingEdit.h"

#include <stdexcept>
#include <string>

#include "core/Messages.h"
#include "core/TableFile.h"
#include "core/TableState.h"
#include "platform/Platform.h"

namespace kestrane::core {
namespace {

// A table that cannot take the edit (it was never loaded).
class TableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One side of the edit: the slot of a character and the code text to put there.
struct Assignment {
  bool marked = true;
  std::int32_t index = 0;
  std::string code;
};

// The keyword in a code text stands for the filler.
std::string CodeText(std::string_view code) {
  return code == kClearKeyword ? "2020" : std::string(code);
}

// The keyword in BIG5Code leaves BIG5Table alone (and likewise for GB); the slot then counts
// as index 0.
Assignment Plan(std::string_view character, std::string_view ownCode, std::string_view otherCode,
                std::int32_t (*indexOf)(std::string_view)) {
  if (ownCode == kClearKeyword) return {false, 0, CodeText(otherCode)};
  return {true, indexOf(character), CodeText(otherCode)};
}

void Apply(const Assignment& assignment, Table& table, const char* name) {
  if (!assignment.marked) return;
  if (!table) throw TableError(std::string("the ") + name + " table was never loaded");
  const auto slot = static_cast<std::size_t>(assignment.index);
  if (slot >= table->size()) table->resize(slot + 1, HexToCode("$2020"));
  (*table)[slot] = HexToCode("$" + assignment.code);
}

// After a failed edit the file on disk is still the last good state: show the error and make
// memory equal to that file again.
bool Recover(const std::exception& error) {
  auto& platform = platform::Current();
  platform.ShowMessage(error.what());
  if (platform.FileExists(detail::LanguageFile())) {
    detail::LoadLanguageLocked();
  } else {
    platform.ShowMessage(kLanguageNotFound);
  }
  return false;
}

}  // namespace

bool SaveCodeOrder(std::string_view big5Char, std::string_view big5Code, std::string_view gbChar,
                   std::string_view gbCode) {
  auto lock = detail::LockForUpdate();
  detail::EnsureLoadedLocked(TableKind::BIG5);
  // BIG5Table takes the GB code of the BIG5 character, GBTable the BIG5 code of the GB one.
  const auto big5Side = Plan(big5Char, big5Code, gbCode, &BIG5Index);
  const auto gbSide = Plan(gbChar, gbCode, big5Code, &GBIndex);
  if (big5Side.index < 0 || gbSide.index < 0) {
    platform::Current().ShowMessage(kIndexBelowZero);
    return false;
  }
  try {
    auto tables = detail::CurrentSnapshot()->tables;
    Apply(big5Side, tables.big5, "BIG5");
    Apply(gbSide, tables.gb, "GB");
    if (!detail::WriteTablesLocked(tables)) return false;
    detail::PublishTables(std::move(tables));
    return true;
  } catch (const std::exception& error) {
    return Recover(error);
  }
}

}  // namespace kestrane::core
