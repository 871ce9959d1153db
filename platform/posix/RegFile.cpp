#include "platform/posix/RegFile.h"

#include <algorithm>
#include <stdexcept>

#include "platform/CodePage.h"
#include "platform/LineEnd.h"
#include "platform/posix/TextRules.h"
#include "platform/posix/WholeFile.h"

namespace kestrane::platform::posix {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEBom = "\xFF\xFE";
constexpr std::string_view kUtf16BEBom = "\xFE\xFF";
constexpr unsigned kCodePageUtf16LE = 1200;
constexpr std::string_view kHeaders[] = {"REGEDIT4", "Windows Registry Editor Version 5.00"};

std::runtime_error FormatError(const std::filesystem::path& file, std::string_view what) {
  return std::runtime_error("malformed registry file " + file.string() + ": " + std::string(what));
}

// The file's text as UTF-8.
std::string DecodeRegText(const std::filesystem::path& file, std::string bytes) {
  std::string_view view = bytes;
  if (view.starts_with(kUtf8Bom)) return bytes.substr(kUtf8Bom.size());
  if (view.starts_with(kUtf16BEBom)) throw FormatError(file, "UTF-16 big-endian is not supported");
  if (view.size() >= 2 && (view[0] == '\0' || view[1] == '\0')) {
    throw FormatError(file, "UTF-16 text needs its byte order mark");
  }
  if (!view.starts_with(kUtf16LEBom)) return bytes;
  std::string text;
  try {
    Transcoder(kCodePageUtf16LE, kCodePageUtf8).Convert(view.substr(2), text, true);
  } catch (const CodePageError& error) {
    throw FormatError(file, "invalid UTF-16 at byte " + std::to_string(error.offset() + 2));
  }
  return text;
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

class RegParser {
 public:
  RegParser(const std::filesystem::path& file, std::string_view text, std::string_view keyPath)
      : file_(file), text_(text), keyPath_(keyPath) {}

  std::optional<RegKeyValues> Run() {
    if (!NextLine() || std::ranges::find(kHeaders, TrimBlanks(line_)) == std::end(kHeaders)) {
      lineNumber_ = 1;
      Fail(R"(the first line is neither "REGEDIT4" nor "Windows Registry Editor Version 5.00")");
    }
    while (NextLine()) {
      std::string_view line = TrimBlanks(line_);
      if (line.empty() || line.front() == ';') continue;
      if (line.front() == '[') {
        ParseKeyLine(line);
      } else {
        ParseValueLine(line);
      }
    }
    return std::move(found_);
  }

 private:
  bool NextLine() {
    auto end = FindLineEnd(text_, 0, true);
    if (!end) return false;
    line_ = text_.substr(0, end->length);
    text_.remove_prefix(end->next);
    ++lineNumber_;
    return true;
  }

  [[noreturn]] void Fail(std::string_view what) const {
    throw FormatError(file_, "line " + std::to_string(lineNumber_) + ": " + std::string(what));
  }

  void ParseKeyLine(std::string_view line) {
    if (line.back() != ']' || line.size() < 2) Fail(R"(the key line does not close with "]")");
    std::string_view path = line.substr(1, line.size() - 2);
    if (path.starts_with('-')) Fail("key deletions are not supported");
    inKey_ = true;
    inTarget_ = EqualsIgnoringCase(path, keyPath_);
    if (inTarget_ && !found_) found_.emplace();
  }

  void ParseValueLine(std::string_view line) {
    if (!inKey_) Fail("a value before the first key line");
    std::string name;
    if (line.front() == '@') {
      line.remove_prefix(1);
    } else if (line.front() == '"') {
      name = ParseQuoted(line);
    } else {
      Fail(R"(expected a value name in quotes or "@")");
    }
    line = TrimBlanks(line);
    if (!line.starts_with('=')) Fail(R"(expected "=" after the value name)");
    std::optional<std::string> data = ParseData(TrimBlanks(line.substr(1)));
    if (!inTarget_) return;
    if (data) {
      found_->Set(std::move(name), std::move(*data));
    } else {
      found_->Remove(name);
    }
  }

  // The value's text; nullopt for "-", which deletes the value.
  std::optional<std::string> ParseData(std::string_view data) {
    if (data == "-") return std::nullopt;
    if (data.starts_with('"')) {
      std::string text = ParseQuoted(data);
      if (!TrimBlanks(data).empty()) Fail("unexpected text after the closing quote");
      return text;
    }
    if (data.starts_with("dword:")) {
      std::string_view digits = data.substr(6);
      if (digits.size() != 8 || !std::ranges::all_of(digits, IsHexDigit)) {
        Fail("a dword value needs eight hexadecimal digits");
      }
      return std::string();
    }
    if (data.starts_with("hex") && data.find(':') != std::string_view::npos) {
      SkipContinuation(data);
      return std::string();
    }
    Fail("unknown value type");
  }

  void SkipContinuation(std::string_view data) {
    while (data.ends_with('\\')) {
      if (!NextLine()) Fail("the value continues past the end of the file");
      data = TrimBlanks(line_);
    }
  }

  // Takes a quoted text with its escapes off the front of rest.
  std::string ParseQuoted(std::string_view& rest) {
    std::string text;
    for (std::size_t i = 1; i < rest.size(); ++i) {
      char c = rest[i];
      if (c == '"') {
        rest.remove_prefix(i + 1);
        return text;
      }
      if (c == '\\') {
        if (++i == rest.size()) break;
        c = rest[i];
        if (c != '\\' && c != '"') Fail(std::string("unknown escape \\") + c);
      }
      text += c;
    }
    Fail("the quoted text does not close");
  }

  const std::filesystem::path& file_;
  std::string_view text_;
  std::string_view keyPath_;
  std::string_view line_;
  std::size_t lineNumber_ = 0;
  bool inKey_ = false;
  bool inTarget_ = false;
  std::optional<RegKeyValues> found_;
};

}  // namespace

void RegKeyValues::Set(std::string name, std::string value) {
  Remove(name);
  values_.emplace_back(std::move(name), std::move(value));
}

void RegKeyValues::Remove(std::string_view name) {
  std::erase_if(values_,
                [name](const auto& entry) { return EqualsIgnoringCase(entry.first, name); });
}

const std::string* RegKeyValues::Find(std::string_view name) const {
  auto it = std::ranges::find_if(
      values_, [name](const auto& entry) { return EqualsIgnoringCase(entry.first, name); });
  return it == values_.end() ? nullptr : &it->second;
}

std::optional<RegKeyValues> ReadRegKey(const std::filesystem::path& file,
                                       std::string_view keyPath) {
  std::string text = DecodeRegText(file, ReadWholeFile(file));
  return RegParser(file, text, keyPath).Run();
}

}  // namespace kestrane::platform::posix
