// Text for timing the scan: large buffers shaped like real documents.
#pragma once

#include <cstddef>
#include <string>

#include "core/StreamScan.h"

namespace kestrane::bench {

// Chinese text in the source encoding of the direction, of exactly size bytes: the file
// corpus-gb.txt or corpus-big5.txt of the folder named by KESTRANE_BENCH_CORPUS (see
// bench/make-corpus.sh), repeated as needed; without it, runs of common double-byte
// characters between short runs of ASCII, about 45% of the bytes double-byte.
std::string ChineseText(core::Direction direction, std::size_t size);

// English-like ASCII text (words, spaces, punctuation, line ends) of exactly size bytes.
std::string AsciiText(std::size_t size);

}  // namespace kestrane::bench
