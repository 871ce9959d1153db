// A fixture for the automation object: the core fixture's client folder and recorded messages,
// a system ANSI code page of 936 unless a test picks another, and readers for the results.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "server/TClass1.h"
#include "server/Variant.h"
#include "support/CoreFixture.h"
#include "support/ScopedEnv.h"

namespace kestrane::test {

class ServerFixture : public CoreFixture {
 protected:
  void UseAnsiCodePage(const char* codePage) { acp_.emplace("KESTRANE_ACP", codePage); }
  // The elements of GetGBData, none when it gives the empty variant.
  std::vector<std::int32_t> GBData();

  server::TClass1 object_;

 private:
  std::optional<ScopedEnv> acp_{std::in_place, "KESTRANE_ACP", "936"};
};

// Text of a client in the ANSI code page: the bytes widened as a client would see them.
std::u16string AnsiText(std::string_view bytes);
// The bytes a client gets back from a text result by narrowing it with the ANSI code page.
std::string AnsiBytes(const server::VARIANT& text);

// Upper bound and elements of a one-dimensional array variant of 32-bit integer variants.
std::int32_t UpperBound(const server::VARIANT& array);
std::vector<std::int32_t> IntElements(const server::VARIANT& array);

}  // namespace kestrane::test
