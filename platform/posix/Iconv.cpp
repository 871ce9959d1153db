#include "platform/posix/Iconv.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>

#include "platform/CodePage.h"

namespace kestrane::platform::posix {
namespace {

constexpr unsigned kUtf16LE = 1200;
constexpr unsigned kUtf16BE = 1201;
constexpr std::size_t kOutputBufferSize = 16 * 1024;

bool IsOpen(iconv_t descriptor) {
  return descriptor != reinterpret_cast<iconv_t>(-1);
}

iconv_t OpenDescriptor(unsigned fromCodePage, unsigned toCodePage) {
  return iconv_open(IconvCharset(toCodePage).c_str(), IconvCharset(fromCodePage).c_str());
}

}  // namespace

unsigned NativeUtf16CodePage() {
  return std::endian::native == std::endian::little ? kUtf16LE : kUtf16BE;
}

std::string IconvCharset(unsigned codePage) {
  switch (codePage) {
    case kCodePageUtf8:
      return "UTF-8";
    case kUtf16LE:
      return "UTF-16LE";
    case kUtf16BE:
      return "UTF-16BE";
    default:
      return "CP" + std::to_string(codePage);
  }
}

bool IconvKnows(unsigned codePage) {
  iconv_t descriptor = OpenDescriptor(codePage, NativeUtf16CodePage());
  if (!IsOpen(descriptor)) return false;
  iconv_close(descriptor);
  return true;
}

Iconv::Iconv(unsigned fromCodePage, unsigned toCodePage)
    : descriptor_(OpenDescriptor(fromCodePage, toCodePage)) {
  if (!IsOpen(descriptor_)) {
    throw std::invalid_argument("iconv cannot convert from code page " +
                                std::to_string(fromCodePage) + " to code page " +
                                std::to_string(toCodePage) + ": " + std::strerror(errno));
  }
}

Iconv::~Iconv() {
  iconv_close(descriptor_);
}

ConversionStop Iconv::Convert(std::string_view input, std::string& output) {
  iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
  // iconv's interface takes a non-const input pointer but never writes through it.
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  // Output goes through a fixed buffer and is appended, so a caller that converts a text in
  // many short calls (one per undefined sequence) pays for what it converts, not for the rest.
  char buffer[kOutputBufferSize];
  while (true) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(descriptor_, &in, &inLeft, &out, &outLeft);
    const int error = result == static_cast<std::size_t>(-1) ? errno : 0;
    output.append(buffer, static_cast<std::size_t>(out - buffer));
    if (error != E2BIG) return {input.size() - inLeft, error};
  }
}

Iconv& ThreadIconv(unsigned fromCodePage, unsigned toCodePage) {
  thread_local std::map<std::pair<unsigned, unsigned>, std::unique_ptr<Iconv>> open;
  auto& slot = open[{fromCodePage, toCodePage}];
  if (!slot) slot = std::make_unique<Iconv>(fromCodePage, toCodePage);
  return *slot;
}

}  // namespace kestrane::platform::posix
