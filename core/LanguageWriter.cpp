// Writing both tables back to "Language", keeping the previous file as "Language.bak".
#include "core/Messages.h"
#include "core/TableFile.h"
#include "core/TableState.h"
#include "platform/Platform.h"

namespace kestrane::core {
namespace {

void WriteEntries(platform::ReplacementWriter& writer, std::string_view prefix,
                  const Table& table) {
  if (!table) return;
  std::string line;
  for (std::size_t k = 0; k < table->size(); ++k) {
    line.assign(prefix);
    line += '[';
    line += std::to_string(k);
    line += "]=";
    line += CodeToHex((*table)[k]);
    writer.WriteLine(line);
  }
}

}  // namespace

namespace detail {

std::string LanguageFile() {
  return LanguagePath() + "Language";
}

bool WriteTablesLocked(const TableSet& tables) {
  if (!tables.big5) return false;
  auto& platform = platform::Current();
  const auto file = LanguageFile();
  if (!platform.FileExists(file)) {
    platform.ShowMessage(kLanguageNotFound);
    return false;
  }
  // The backup is a convenience for the user; a failed copy must not stop the save.
  platform.CopyFileOver(file, file + ".bak");
  // The new content goes to a temporary file that replaces "Language" only once it is
  // complete and on disk, so a crash or a full disk never leaves a broken table file.
  auto writer = platform.ReplaceFile(file);
  writer->WriteLine("[BIG5]");
  WriteEntries(*writer, "BIG5Order", tables.big5);
  writer->WriteLine("[GB]");
  WriteEntries(*writer, "GBOrder", tables.gb);
  writer->Commit();
  return true;
}

}  // namespace detail

bool WriteLanguage() {
  auto lock = detail::LockForUpdate();
  return detail::WriteTablesLocked(detail::CurrentSnapshot()->tables);
}

}  // namespace kestrane::core
