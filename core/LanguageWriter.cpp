// Writing both tables back to "Language", keeping the previous file as "Language.bak".
#include "core/Messages.h"
#include "core/TableFile.h"
#include "core/TableState.h"
#include "platform/Platform.h"

namespace kestrane::core {
namespace {

void ForEachEntryLine(std::string_view prefix, const std::vector<Code>& table,
                      const std::function<void(std::string_view)>& emit) {
  std::string line;
  for (std::size_t k = 0; k < table.size(); ++k) {
    line.assign(prefix);
    line += '[';
    line += std::to_string(k);
    line += "]=";
    line += CodeToHex(table[k]);
    emit(line);
  }
}

}  // namespace

void ForEachTableLine(const std::vector<Code>& big5, const std::vector<Code>& gb,
                      const std::function<void(std::string_view)>& emit) {
  emit("[BIG5]");
  ForEachEntryLine("BIG5Order", big5, emit);
  emit("[GB]");
  ForEachEntryLine("GBOrder", gb, emit);
}

std::string TableFileText(const std::vector<Code>& big5, const std::vector<Code>& gb) {
  std::string text;
  ForEachTableLine(big5, gb, [&text](std::string_view line) {
    text += line;
    text += "\r\n";
  });
  return text;
}

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
  ForEachTableLine(*tables.big5, tables.gb.value_or(std::vector<Code>()),
                   [&writer](std::string_view line) { writer->WriteLine(line); });
  writer->Commit();
  return true;
}

}  // namespace detail

bool WriteLanguage() {
  auto lock = detail::LockForUpdate();
  return detail::WriteTablesLocked(detail::CurrentSnapshot()->tables);
}

}  // namespace kestrane::core
