#include "TextChecks.h"

#include <windows.h>

#include <cstdio>

namespace kestrane::wine {
namespace {
int failures = 0;
}  // namespace

void Check(bool condition, std::string_view message) {
  if (condition) return;
  ++failures;
  std::printf("FAIL: %.*s\n", static_cast<int>(message.size()), message.data());
}

int Finish() {
  if (failures == 0) std::printf("KESTRANE-OK\n");
  return failures;
}

std::string Utf8(std::wstring_view text) {
  if (text.empty()) return {};
  auto length = static_cast<int>(text.size());
  int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

}  // namespace kestrane::wine
