#include "cli/SaveOrderArguments.h"

#include <stdexcept>

#include "core/Messages.h"
#include "platform/CodePage.h"

namespace kestrane::cli {
namespace {

std::string EncodeUtf8(const std::string& text, unsigned codePage, const char* argumentName) {
  std::string encoded;
  try {
    platform::Transcoder(platform::kCodePageUtf8, codePage).Convert(text, encoded, true);
  } catch (const platform::CodePageError& error) {
    throw std::runtime_error(std::string(argumentName) + ": " + error.what());
  }
  return encoded;
}

// Codes are ASCII in either form; only the keyword differs.
std::string CodeFromUtf8(const std::string& code) {
  static const std::string keywordUtf8 = platform::FromUtf16(
      platform::kCodePageUtf8, platform::ToUtf16(platform::kCodePageGB, core::kClearKeyword));
  return code == keywordUtf8 ? std::string(core::kClearKeyword) : code;
}

}  // namespace

SaveOrderArguments MakeSaveOrderArguments(const std::vector<std::string>& arguments, bool utf8) {
  SaveOrderArguments given{arguments.at(0), arguments.at(1), arguments.at(2), arguments.at(3)};
  if (!utf8) return given;
  return {EncodeUtf8(given.big5Char, platform::kCodePageBIG5, "BIG5CHAR"),
          CodeFromUtf8(given.big5Code), EncodeUtf8(given.gbChar, platform::kCodePageGB, "GBCHAR"),
          CodeFromUtf8(given.gbCode)};
}

}  // namespace kestrane::cli
