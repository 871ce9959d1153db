// Code page conversions through MultiByteToWideChar and WideCharToMultiByte.
#include "platform/CodePage.h"

#include <windows.h>

#include <optional>

namespace kestrane::platform {
namespace {

int ToInt(std::size_t size) {
  return static_cast<int>(size);
}

std::u16string Widen(unsigned codePage, DWORD flags, std::string_view bytes) {
  if (bytes.empty()) return {};
  int length =
      ::MultiByteToWideChar(codePage, flags, bytes.data(), ToInt(bytes.size()), nullptr, 0);
  std::u16string text(static_cast<std::size_t>(length), u'\0');
  if (length > 0) {
    ::MultiByteToWideChar(codePage, flags, bytes.data(), ToInt(bytes.size()),
                          reinterpret_cast<wchar_t*>(text.data()), length);
  }
  return text;
}

// Narrows text; usedDefault (null allowed) tells whether a character had no equivalent.
std::string Narrow(unsigned codePage, DWORD flags, std::u16string_view text, BOOL* usedDefault) {
  if (text.empty()) return {};
  auto wide = reinterpret_cast<const wchar_t*>(text.data());
  int length = ::WideCharToMultiByte(codePage, flags, wide, ToInt(text.size()), nullptr, 0, nullptr,
                                     usedDefault);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  if (length > 0) {
    ::WideCharToMultiByte(codePage, flags, wide, ToInt(text.size()), bytes.data(), length, nullptr,
                          usedDefault);
  }
  return bytes;
}

CPINFO RequireCodePage(unsigned codePage) {
  CPINFO info{};
  if (!::GetCPInfo(codePage, &info)) {
    throw CodePageError("code page " + std::to_string(codePage) + " is not available", 0);
  }
  return info;
}

// Where the characters of a code page begin, so that a stream can be cut between them.
class CharacterBounds {
 public:
  explicit CharacterBounds(unsigned codePage)
      : codePage_(codePage), doubleByte_(RequireCodePage(codePage).MaxCharSize == 2) {}

  // Length of the character that starts with this byte.
  std::size_t LengthAt(unsigned char lead) const {
    if (codePage_ == kCodePageUtf8) return Utf8Length(lead);
    return doubleByte_ && ::IsDBCSLeadByteEx(codePage_, lead) ? 2 : 1;
  }

 private:
  static std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 1;
  }

  unsigned codePage_;
  bool doubleByte_;
};

}  // namespace

std::u16string ToUtf16(unsigned codePage, std::string_view bytes) {
  return Widen(codePage, 0, bytes);
}

std::string FromUtf16(unsigned codePage, std::u16string_view text) {
  return Narrow(codePage, 0, text, nullptr);
}

struct Transcoder::Impl {
  Impl(unsigned from, unsigned to) : fromCodePage(from), toCodePage(to), bounds(from) {
    RequireCodePage(to);
  }

  // Length of the front of input that holds whole characters.
  std::size_t WholeCharacters(std::string_view input) const {
    std::size_t whole = 0;
    while (whole < input.size()) {
      std::size_t length = bounds.LengthAt(static_cast<unsigned char>(input[whole]));
      if (whole + length > input.size()) break;
      whole += length;
    }
    return whole;
  }

  // Converts whole characters; nullopt when either code page rejects one of them.
  std::optional<std::string> ConvertCharacters(std::string_view characters) const {
    std::u16string wide = Widen(fromCodePage, MB_ERR_INVALID_CHARS, characters);
    if (wide.empty()) return std::nullopt;
    return ConvertWide(wide);
  }

  // Converts one character at a time, to find the offset of the first one that fails.
  void ConvertEach(std::string_view characters, std::string& output) const {
    for (std::size_t at = 0; at < characters.size();) {
      std::size_t length = bounds.LengthAt(static_cast<unsigned char>(characters[at]));
      auto converted = ConvertCharacters(characters.substr(at, length));
      if (!converted) Fail("cannot convert the bytes", characters.substr(at), streamOffset + at);
      output += *converted;
      at += length;
    }
  }

  std::optional<std::string> ConvertWide(std::u16string_view wide) const {
    // UTF-8 has no default character; it only refuses lone surrogates.
    if (toCodePage == kCodePageUtf8) {
      std::string bytes = Narrow(toCodePage, WC_ERR_INVALID_CHARS, wide, nullptr);
      return bytes.empty() ? std::nullopt : std::optional(bytes);
    }
    BOOL usedDefault = FALSE;
    std::string bytes = Narrow(toCodePage, WC_NO_BEST_FIT_CHARS, wide, &usedDefault);
    return usedDefault || bytes.empty() ? std::nullopt : std::optional(bytes);
  }

  [[noreturn]] void Fail(std::string_view what, std::string_view offending,
                         std::size_t offset) const {
    throw CodePageError::At(what, offending, offset, fromCodePage, toCodePage);
  }

  unsigned fromCodePage;
  unsigned toCodePage;
  CharacterBounds bounds;
  std::size_t streamOffset = 0;
};

Transcoder::Transcoder(unsigned fromCodePage, unsigned toCodePage)
    : impl_(std::make_unique<Impl>(fromCodePage, toCodePage)) {}

Transcoder::~Transcoder() = default;

std::size_t Transcoder::Convert(std::string_view input, std::string& output, bool last) {
  std::size_t whole = impl_->WholeCharacters(input);
  std::string_view characters = input.substr(0, whole);
  if (!characters.empty()) {
    auto converted = impl_->ConvertCharacters(characters);
    if (converted) {
      output += *converted;
    } else {
      impl_->ConvertEach(characters, output);
    }
  }
  impl_->streamOffset += whole;
  if (whole < input.size() && last) {
    impl_->Fail("incomplete character", input.substr(whole), impl_->streamOffset);
  }
  return whole;
}

}  // namespace kestrane::platform
