// The ANSI code page of the process, taken from the locale as Wine takes it.
#pragma once

#include <string_view>

namespace kestrane::platform::posix {

// 936 for zh_CN and zh_SG, 950 for zh_TW and zh_HK, 1252 for any other locale name.
unsigned LocaleCodePage(std::string_view locale);

// KESTRANE_ACP when set (a code page number iconv knows; anything else throws
// std::invalid_argument), else the code page of LC_ALL, LC_CTYPE or LANG, the first one set.
unsigned AnsiCodePageFromEnvironment();

}  // namespace kestrane::platform::posix
