#include "support/CoreFixture.h"

#include "core/TableFile.h"
#include "core/Tables.h"

namespace kestrane::test {
std::string LanguageText(const std::vector<core::Code>& big5, const std::vector<core::Code>& gb) {
  return core::TableFileText(big5, gb);
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
