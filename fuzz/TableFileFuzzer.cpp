// LoadLanguage on arbitrary file bytes: it loads the tables the file defines, or fails with a
// message and leaves the tables it had untouched.
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "FuzzClientFolder.h"
#include "ReferenceTableFile.h"
#include "core/TableFile.h"
#include "core/TableState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrane;
  static fuzz::FuzzClientFolder folder;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  folder.Write("Language", bytes);
  const auto expected = fuzz::ReferenceLoad(bytes);
  const auto before = core::detail::CurrentSnapshot();
  try {
    fuzz::Require(core::LoadLanguage(), "an existing table file is found");
    fuzz::Require(expected.has_value(), "only a file the rules accept loads");
    const auto& tables = core::detail::CurrentSnapshot()->tables;
    fuzz::Require(tables.big5 == expected->big5, "BIG5 table as the rules define it");
    fuzz::Require(tables.gb == expected->gb, "GB table as the rules define it");
  } catch (const core::TableFileError& error) {
    fuzz::Require(!expected.has_value(), "only a file the rules reject fails");
    fuzz::Require(*error.what() != '\0', "a failed load has a message");
    fuzz::Require(core::detail::CurrentSnapshot() == before, "a failed load changes nothing");
  }
  return 0;
}
