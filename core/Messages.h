// The fixed texts the core shows to the user, as code page 936 bytes.
#pragma once

#include <string_view>

namespace kestrane::core {

// "找不到 Language 档 !!": the table file cannot be found.
inline constexpr std::string_view kLanguageNotFound =
    "\xD5\xD2\xB2\xBB\xB5\xBD Language \xB5\xB5 !!";

// "编码顺序有小于 0,保存失败!!": a character has no index, nothing was saved.
inline constexpr std::string_view kIndexBelowZero =
    "\xB1\xE0\xC2\xEB\xCB\xB3\xD0\xF2\xD3\xD0\xD0\xA1\xD3\xDA 0,\xB1\xA3\xB4\xE6\xCA\xA7\xB0\xDC!!";

// "清空" (clear): the code keyword of a mapping edit.
inline constexpr std::string_view kClearKeyword = "\xC7\xE5\xBF\xD5";

}  // namespace kestrane::core
