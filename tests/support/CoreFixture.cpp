#include "support/CoreFixture.h"

#include "core/TableFile.h"
#include "core/Tables.h"

namespace kestrane::test {
namespace {

void AppendEntries(std::string& text, const char* prefix, const std::vector<core::Code>& table) {
  for (std::size_t k = 0; k < table.size(); ++k) {
    text += prefix + ("[" + std::to_string(k) + "]=") + core::CodeToHex(table[k]) + "\r\n";
  }
}

}  // namespace

std::string LanguageText(const std::vector<core::Code>& big5, const std::vector<core::Code>& gb) {
  std::string text = "[BIG5]\r\n";
  AppendEntries(text, "BIG5Order", big5);
  text += "[GB]\r\n";
  AppendEntries(text, "GBOrder", gb);
  return text;
}

CoreFixture::CoreFixture() {
  core::ReleaseTables();
  platform_.SetClientDir(dir_.path());
}

CoreFixture::~CoreFixture() {
  core::ReleaseTables();
}

void CoreFixture::WriteLanguage(const std::string& text) const {
  dir_.Write("Language", text);
}

void CoreFixture::WriteTables(const std::vector<core::Code>& big5,
                              const std::vector<core::Code>& gb) const {
  WriteLanguage(LanguageText(big5, gb));
}

std::string CoreFixture::ReadLanguage() const {
  return ReadBytes(dir_ / "Language");
}

}  // namespace kestrane::test
