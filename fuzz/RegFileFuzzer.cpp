// The registry file reader on arbitrary bytes, through the platform as the host configuration
// calls it: values or an error that names the file. A text that is valid UTF-8 reads the same
// when stored as UTF-16 with its byte order mark.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "platform/CodePage.h"
#include "platform/Platform.h"
#include "support/TempDir.h"

namespace kestrane::fuzz {
namespace {

using Values = std::optional<std::vector<std::string>>;

// What reading the host key gives: its values (none when the file lacks the key), or a
// refusal of the file.
struct Outcome {
  bool refused = false;
  Values values;
  bool operator==(const Outcome&) const = default;
};

Outcome ReadHostKey(const test::TempDir& dir, std::string_view bytes) {
  const auto file = dir.Write("registry.reg", bytes);
  ::setenv("KESTRANE_REGISTRY", file.c_str(), 1);
  try {
    return {false, platform::Native().ReadLocalMachineStrings("Software\\Tresk\\Veltrim",
                                                              {"ClientPath", "ProfileType"})};
  } catch (const std::runtime_error& error) {
    Require(std::string(error.what()).find(file.string()) != std::string::npos,
            "a refused registry file is named in the error");
    return {true, std::nullopt};
  }
}

// The text as UTF-16LE with its byte order mark, when it is valid UTF-8 that the reader takes
// as UTF-8 (no byte order mark, no zero bytes).
std::optional<std::string> AsUtf16(const std::string& text) {
  if (text.find('\0') != std::string::npos || text.starts_with("\xEF\xBB\xBF")) return std::nullopt;
  std::string utf16 = "\xFF\xFE";
  try {
    platform::Transcoder(platform::kCodePageUtf8, 1200).Convert(text, utf16, true);
  } catch (const platform::CodePageError&) {
    return std::nullopt;
  }
  return utf16;
}

}  // namespace
}  // namespace kestrane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrane;
  static const test::TempDir dir;
  FuzzedDataProvider input(data, size);
  const unsigned codePage = input.PickValueInArray({936u, 950u, 1252u});
  ::setenv("KESTRANE_ACP", std::to_string(codePage).c_str(), 1);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const auto outcome = fuzz::ReadHostKey(dir, text);
  if (const auto utf16 = fuzz::AsUtf16(text)) {
    fuzz::Require(fuzz::ReadHostKey(dir, *utf16) == outcome, "UTF-16 reads like UTF-8");
  }
  return 0;
}
