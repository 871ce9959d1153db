// GetField and HexToCode against the routines as the product defines them, CodeToHex as the
// inverse of HexToCode, and the loader's quick reading of a value against the two.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "ReferenceTableText.h"
#include "core/TableFile.h"
#include "core/TableText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrane;
  FuzzedDataProvider input(data, size);
  const auto sep = input.ConsumeRandomLengthString(8);
  const auto n = input.ConsumeIntegralInRange<int>(-1, 8);
  const auto text = input.ConsumeRemainingBytesAsString();

  fuzz::Require(core::GetField(text, sep, n) == fuzz::ReferenceGetField(text, sep, n),
                "GetField finds the field as defined");

  const auto expected = fuzz::ReferenceHexToCode(text);
  try {
    const core::Code code = core::HexToCode(text);
    fuzz::Require(expected == code, "HexToCode reads the four digits as defined");
    fuzz::Require(core::CodeToHex(code) == "$" + text.substr(1, 4), "CodeToHex inverts HexToCode");
  } catch (const core::ConversionError& error) {
    fuzz::Require(!expected, "HexToCode rejects only what is not a code");
    fuzz::Require(*error.what() != '\0', "a rejected code has a message");
  }

  const auto value = fuzz::ReferenceHexToCode(fuzz::ReferenceGetField(text, "=", 2));
  fuzz::Require(core::WellFormedValueCode(text) == value,
                "the quick reading of a value agrees with GetField and HexToCode");
  return 0;
}
