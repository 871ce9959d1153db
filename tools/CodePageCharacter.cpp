#include "tools/CodePageCharacter.h"

#include "platform/CodePage.h"
#include "tools/Utf8.h"

namespace kestrane::tools {
namespace {

std::optional<std::string> Transcode(unsigned fromCodePage, unsigned toCodePage,
                                     std::string_view text) {
  platform::Transcoder transcoder(fromCodePage, toCodePage);
  std::string output;
  try {
    transcoder.Convert(text, output, true);
  } catch (const platform::CodePageError&) {
    return std::nullopt;
  }
  return output;
}

}  // namespace

std::optional<std::string> DecodeCharacter(const CodeSpace& space, core::Code code) {
  auto character = Transcode(space.codePage, platform::kCodePageUtf8, core::CodeToChar(code));
  if (!character || IsPrivateUse(*character)) return std::nullopt;
  return character;
}

std::optional<core::Code> EncodeCharacter(const CodeSpace& space, std::string_view character) {
  const auto bytes = Transcode(platform::kCodePageUtf8, space.codePage, character);
  if (!bytes || bytes->size() != 2) return std::nullopt;
  const auto code = static_cast<core::Code>(static_cast<unsigned char>((*bytes)[0]) << 8 |
                                            static_cast<unsigned char>((*bytes)[1]));
  if (SlotOf(space, code) < 0) return std::nullopt;
  return code;
}

}  // namespace kestrane::tools
