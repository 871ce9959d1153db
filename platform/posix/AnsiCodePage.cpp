#include "platform/posix/AnsiCodePage.h"

#include <charconv>
#include <cstdlib>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "platform/CodePage.h"
#include "platform/posix/Iconv.h"

namespace kestrane::platform::posix {
namespace {

constexpr unsigned kCodePageWestern = 1252;

// language_territory of "language_territory.codeset@modifier".
std::string_view LanguageAndTerritory(std::string_view locale) {
  return locale.substr(0, locale.find_first_of(".@"));
}

unsigned ParseOverride(std::string_view text) {
  unsigned codePage = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), codePage);
  if (error != std::errc() || end != text.data() + text.size() || !IconvKnows(codePage)) {
    throw std::invalid_argument("KESTRANE_ACP=\"" + std::string(text) +
                                "\" is not a code page number that iconv knows as CPnnn");
  }
  return codePage;
}

// Checking a code page with iconv costs more than a short conversion: check a value once.
unsigned CachedOverride(std::string_view text) {
  thread_local std::string checkedText;
  thread_local unsigned checkedCodePage = 0;
  if (checkedCodePage == 0 || text != checkedText) {
    checkedCodePage = ParseOverride(text);
    checkedText = text;
  }
  return checkedCodePage;
}

const char* FirstSet(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
}

}  // namespace

unsigned LocaleCodePage(std::string_view locale) {
  auto name = LanguageAndTerritory(locale);
  if (name == "zh_CN" || name == "zh_SG") return kCodePageGB;
  if (name == "zh_TW" || name == "zh_HK") return kCodePageBIG5;
  return kCodePageWestern;
}

unsigned AnsiCodePageFromEnvironment() {
  if (const char* chosen = std::getenv("KESTRANE_ACP")) return CachedOverride(chosen);
  return LocaleCodePage(FirstSet({"LC_ALL", "LC_CTYPE", "LANG"}));
}

}  // namespace kestrane::platform::posix
