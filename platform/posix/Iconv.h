// iconv conversion descriptors for Windows code page numbers, kept open per thread.
#pragma once

#include <iconv.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrane::platform::posix {

// Windows code page number of UTF-16 in the host's byte order.
unsigned NativeUtf16CodePage();

// iconv's name for a Windows code page: 65001 is "UTF-8", 1200/1201 are UTF-16 LE/BE, any
// other number nnn is "CPnnn".
std::string IconvCharset(unsigned codePage);

// Whether iconv can convert between the code page and UTF-16.
bool IconvKnows(unsigned codePage);

// Where a conversion stopped: error is 0 when the whole input was converted, EILSEQ for a
// sequence that cannot be converted, EINVAL for an incomplete sequence at the end.
struct ConversionStop {
  std::size_t consumed;
  int error;
};

// An open conversion descriptor; closed on destruction.
class Iconv {
 public:
  // Throws std::invalid_argument when iconv cannot convert between the code pages.
  Iconv(unsigned fromCodePage, unsigned toCodePage);
  ~Iconv();
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // Converts input from its start, appending to output, until the end or the first sequence
  // that cannot be converted. Starts from the initial shift state.
  ConversionStop Convert(std::string_view input, std::string& output);

 private:
  iconv_t descriptor_;
};

// The calling thread's converter between two code pages, opened on its first use.
Iconv& ThreadIconv(unsigned fromCodePage, unsigned toCodePage);

}  // namespace kestrane::platform::posix
