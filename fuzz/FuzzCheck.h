// Failing a fuzz run: a broken expectation aborts, which libFuzzer reports as a finding and
// keeps the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace kestrane::fuzz {

inline void Require(bool holds, const char* expectation) {
  if (holds) return;
  std::fprintf(stderr, "fuzz expectation broken: %s\n", expectation);
  std::abort();
}

}  // namespace kestrane::fuzz
