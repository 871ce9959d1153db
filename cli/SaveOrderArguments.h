// The four arguments of save-order as the mapping edit takes them.
#pragma once

#include <string>
#include <vector>

namespace kestrane::cli {

struct SaveOrderArguments {
  std::string big5Char;
  std::string big5Code;
  std::string gbChar;
  std::string gbCode;
};

// The arguments BIG5CHAR BIG5CODE GBCHAR GBCODE as given, or with utf8 the characters
// encoded to code page 950 and 936 and the keyword 清空 turned into its code page 936 bytes.
// Throws std::runtime_error naming the argument for a character its code page cannot take.
SaveOrderArguments MakeSaveOrderArguments(const std::vector<std::string>& arguments, bool utf8);

}  // namespace kestrane::cli
