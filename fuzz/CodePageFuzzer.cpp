// The code page conversions on arbitrary bytes and text: the lenient conversions never fail
// and agree with the strict one wherever it succeeds, and the strict one gives the same result
// in pieces as whole.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>

#include "FuzzCheck.h"
#include "platform/CodePage.h"

namespace kestrane::fuzz {
namespace {

constexpr unsigned kUtf16LE = 1200;

// The strict conversion of the whole input at once, or nothing when it is refused.
std::optional<std::string> Strict(unsigned from, unsigned to, std::string_view input) {
  std::string output;
  try {
    platform::Transcoder(from, to).Convert(input, output, true);
  } catch (const platform::CodePageError& error) {
    Require(error.offset() <= input.size(), "a refusal points into the input");
    return std::nullopt;
  }
  return output;
}

// The same in pieces of pieceSize bytes.
std::optional<std::string> StrictInPieces(unsigned from, unsigned to, std::string_view input,
                                          std::size_t pieceSize) {
  platform::Transcoder transcoder(from, to);
  std::string output;
  std::string pending;
  std::size_t position = 0;
  try {
    bool last = false;
    while (!last) {
      pending += input.substr(position, pieceSize);
      position += pieceSize;
      last = position >= input.size();
      pending.erase(0, transcoder.Convert(pending, output, last));
    }
  } catch (const platform::CodePageError&) {
    return std::nullopt;
  }
  return output;
}

std::string_view AsBytes(const std::u16string& text) {
  return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)};
}

}  // namespace
}  // namespace kestrane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrane;
  FuzzedDataProvider input(data, size);
  const unsigned codePage = input.PickValueInArray({936u, 950u, 1252u, 65001u});
  const auto pieceSize = input.ConsumeIntegralInRange<std::size_t>(1, 16);
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  const std::u16string wide = platform::ToUtf16(codePage, bytes);
  fuzz::Require(wide.size() <= bytes.size(), "widening gives at most one unit per byte");
  const auto strict = fuzz::Strict(codePage, fuzz::kUtf16LE, bytes);
  fuzz::Require(!strict || *strict == fuzz::AsBytes(wide), "lenient widening agrees with strict");
  fuzz::Require(fuzz::StrictInPieces(codePage, fuzz::kUtf16LE, bytes, pieceSize) == strict,
                "widening in pieces equals the whole");

  const std::string narrow = platform::FromUtf16(codePage, wide);
  const auto strictNarrow = fuzz::Strict(fuzz::kUtf16LE, codePage, fuzz::AsBytes(wide));
  fuzz::Require(!strictNarrow || *strictNarrow == narrow, "lenient narrowing agrees with strict");
  return 0;
}
