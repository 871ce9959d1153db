// Checks that report each failure on standard output and count them, for the test programs.
#pragma once

#include <string>
#include <string_view>

namespace kestrane::wine {

// Prints "FAIL: message" when the condition is false.
void Check(bool condition, std::string_view message);

// Prints "KESTRANE-OK" when no check failed; returns the exit status (the number of failures).
int Finish();

// A UTF-16 text as UTF-8, for messages.
std::string Utf8(std::wstring_view text);

}  // namespace kestrane::wine
