// Code page conversions through iconv, with the replacement rules of the Windows conversion
// functions called without flags.
#include "platform/CodePage.h"

#include <cerrno>
#include <cstring>

#include "platform/posix/Iconv.h"

namespace kestrane::platform {
namespace {

constexpr char16_t kReplacementCharacter = u'\uFFFD';

bool IsDoubleByteCodePage(unsigned codePage) {
  return codePage == kCodePageGB || codePage == kCodePageBIG5;
}

bool IsTrailByte(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// How many bytes one U+FFFD stands for at the start of an undefined sequence: a lead byte
// takes a following trail byte with it, as the Windows double-byte tables do.
std::size_t UndefinedSequenceLength(unsigned codePage, std::string_view rest, int error) {
  if (error == EINVAL) return rest.size();
  bool pairs = IsDoubleByteCodePage(codePage) && rest.size() >= 2 &&
               static_cast<unsigned char>(rest[0]) >= 0x81 &&
               IsTrailByte(static_cast<unsigned char>(rest[1]));
  return pairs ? 2 : 1;
}

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// How many UTF-16 units one "?" stands for: a whole surrogate pair, else one unit.
std::size_t UnmappableCharacterLength(std::u16string_view rest) {
  return rest.size() >= 2 && IsHighSurrogate(rest[0]) && IsLowSurrogate(rest[1]) ? 2 : 1;
}

std::string_view AsBytes(std::u16string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)};
}

std::u16string FromBytes(std::string_view bytes) {
  std::u16string text(bytes.size() / sizeof(char16_t), u'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
  return text;
}

}  // namespace

std::u16string ToUtf16(unsigned codePage, std::string_view bytes) {
  auto& converter = posix::ThreadIconv(codePage, posix::NativeUtf16CodePage());
  std::string wide;
  while (true) {
    auto stop = converter.Convert(bytes, wide);
    if (stop.error == 0) break;
    wide.append(AsBytes(std::u16string_view(&kReplacementCharacter, 1)));
    bytes.remove_prefix(stop.consumed);
    bytes.remove_prefix(UndefinedSequenceLength(codePage, bytes, stop.error));
  }
  return FromBytes(wide);
}

std::string FromUtf16(unsigned codePage, std::u16string_view text) {
  auto& converter = posix::ThreadIconv(posix::NativeUtf16CodePage(), codePage);
  std::string narrow;
  while (true) {
    auto stop = converter.Convert(AsBytes(text), narrow);
    if (stop.error == 0) break;
    narrow += '?';
    text.remove_prefix(stop.consumed / sizeof(char16_t));
    text.remove_prefix(UnmappableCharacterLength(text));
  }
  return narrow;
}

struct Transcoder::Impl {
  Impl(unsigned from, unsigned to) : converter(from, to), fromCodePage(from), toCodePage(to) {}
  posix::Iconv converter;
  unsigned fromCodePage;
  unsigned toCodePage;
  std::size_t streamOffset = 0;
};

Transcoder::Transcoder(unsigned fromCodePage, unsigned toCodePage)
    : impl_(std::make_unique<Impl>(fromCodePage, toCodePage)) {}

Transcoder::~Transcoder() = default;

std::size_t Transcoder::Convert(std::string_view input, std::string& output, bool last) {
  auto stop = impl_->converter.Convert(input, output);
  std::size_t offset = impl_->streamOffset + stop.consumed;
  impl_->streamOffset = offset;
  if (stop.error == 0 || (stop.error == EINVAL && !last)) return stop.consumed;
  std::string_view offending = input.substr(stop.consumed);
  std::string what = stop.error == EINVAL ? "incomplete character" : "cannot convert the bytes";
  throw CodePageError::At(what, offending, offset, impl_->fromCodePage, impl_->toCodePage);
}

}  // namespace kestrane::platform
