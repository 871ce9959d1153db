// The table file "Language": its text routines, its loader and its writer.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/CodeIndex.h"

namespace kestrane::core {

// A text that is not a code ("$" and four hexadecimal digits "0"-"9", "A"-"F").
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A table file that cannot be loaded; the message names the file, the line and its text.
class TableFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The n-th field (from 1) of text separated by sep, or "" when there are fewer fields.
std::string GetField(std::string_view text, std::string_view sep, int n);

// Reads characters 2 to 5 of text as four hexadecimal digits; the first is not examined.
// Throws ConversionError for any other character or a text shorter than five.
Code HexToCode(std::string_view text);

// "$" and the four uppercase hexadecimal digits of the code.
std::string CodeToHex(Code code);

// Calls emit with every line of the table file for these tables, in order, without line ends:
// "[BIG5]", "BIG5Order[k]=$XXXX" for each element, "[GB]", "GBOrder[k]=$XXXX" for each element.
void ForEachTableLine(const std::vector<Code>& big5, const std::vector<Code>& gb,
                      const std::function<void(std::string_view)>& emit);

// The whole table file for these tables, with CR LF line ends.
std::string TableFileText(const std::vector<Code>& big5, const std::vector<Code>& gb);

// Reads both tables from "Language" in the client directory. Returns false (after the
// not-found message) when there is no such file; then the tables stay as they were. A file
// that cannot be read whole raises TableFileError and changes nothing.
bool LoadLanguage();

// Rewrites "Language" from the tables, keeping the previous file as "Language.bak". Returns
// false when the BIG5 table was never loaded, or (after the not-found message) when there is
// no table file. Raises platform::IoError when writing fails; "Language" then stays as it was.
bool WriteLanguage();

}  // namespace kestrane::core
