// Recording one BIG5/GB correspondence in both tables, saved at once.
#pragma once

#include <string_view>

namespace kestrane::core {

// Sets the GB code of the BIG5 character and the BIG5 code of the GB character (codes as four
// hexadecimal digits, or the keyword "清空" in code page 936 to clear one direction instead),
// growing a table when needed, and rewrites the table file. Returns true when the tables
// changed and the file was written; on false the tables are as before the call.
bool SaveCodeOrder(std::string_view big5Char, std::string_view big5Code, std::string_view gbChar,
                   std::string_view gbCode);

}  // namespace kestrane::core
