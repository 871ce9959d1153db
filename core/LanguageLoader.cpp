// Loading both tables from "Language": all of the file, or nothing.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/Messages.h"
#include "core/TableFile.h"
#include "core/TableState.h"
#include "core/TableText.h"
#include "hostconfig/VeltrimIni.h"
#include "platform/Platform.h"

namespace kestrane::core {
namespace {

bool IsBlank(std::string_view line) {
  return std::all_of(line.begin(), line.end(),
                     [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

std::string Quote(std::string_view line) {
  return "\"" + Excerpt(line) + "\"";
}

// The kept lines of a table file: every line that is neither a section header nor blank,
// reduced to its code, since that is all the tables take from it.
class KeptLines {
 public:
  explicit KeptLines(std::string file) : file_(std::move(file)) {}

  void Add(std::string_view line, std::uint64_t lineNumber) {
    if (codes_.size() == static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
      throw TableFileError(file_ + ": more entry lines than a table can hold (line " +
                           std::to_string(lineNumber) + ")");
    }
    if (line.starts_with("BIG5")) {
      ++big5Count_;
    } else if (line.starts_with("GB")) {
      ++gbCount_;
    }
    codes_.push_back(ReadCode(line, lineNumber));
  }

  // The tables filled by position: BIG5 entries first, the GB entries right after them.
  detail::TableSet Tables() const {
    const auto used = big5Count_ + gbCount_;
    if (firstError_ && firstError_->keptIndex < used) throw TableFileError(firstError_->message);
    const auto begin = codes_.begin();
    const auto big5End = begin + static_cast<std::ptrdiff_t>(big5Count_);
    return {std::vector<Code>(begin, big5End),
            std::vector<Code>(big5End, big5End + static_cast<std::ptrdiff_t>(gbCount_))};
  }

 private:
  struct LineError {
    std::size_t keptIndex;
    std::string message;
  };

  // A line whose value is not a code only matters if it falls within the tables, which is
  // known at the end; remember the first such line.
  Code ReadCode(std::string_view line, std::uint64_t lineNumber) {
    if (const auto code = WellFormedValueCode(line)) return *code;
    try {
      return HexToCode(GetFieldView(line, "=", 2));
    } catch (const ConversionError& error) {
      if (!firstError_) {
        firstError_ = LineError{codes_.size(), file_ + ": line " + std::to_string(lineNumber) +
                                                   ": " + Quote(line) + ": " + error.what()};
      }
      return 0;
    }
  }

  std::string file_;
  std::vector<Code> codes_;
  std::size_t big5Count_ = 0;
  std::size_t gbCount_ = 0;
  std::optional<LineError> firstError_;
};

detail::TableSet ReadTableFile(const std::string& file) {
  auto reader = platform::Current().OpenLines(file);
  KeptLines kept(file);
  std::string_view line;
  for (std::uint64_t lineNumber = 1; reader->ReadLineView(line); ++lineNumber) {
    if (line.starts_with('[') || IsBlank(line)) continue;
    kept.Add(line, lineNumber);
  }
  return kept.Tables();
}

}  // namespace

namespace detail {

bool LoadLanguageLocked() {
  const hostconfig::TVeltrimIniC config;
  SetLanguagePath(config.ClientPath);
  const auto file = config.ClientPath + "Language";
  if (!platform::Current().FileExists(file)) {
    platform::Current().ShowMessage(kLanguageNotFound);
    return false;
  }
  PublishTables(ReadTableFile(file));
  return true;
}

}  // namespace detail

bool LoadLanguage() {
  auto lock = detail::LockForUpdate();
  return detail::LoadLanguageLocked();
}

}  // namespace kestrane::core
