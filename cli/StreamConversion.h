// Converting files or standard input through the tables to the tool's output.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "cli/OutputFile.h"
#include "core/StreamScan.h"

namespace kestrane::cli {

// Inputs are read in blocks of at most this size; memory use does not grow with the input.
inline constexpr std::size_t kReadBlockSize = std::size_t{256} << 10;

// Converts each input in turn ("-" or none: standard input), each as a text of its own. With
// utf8 the inputs and the output are UTF-8. Throws std::runtime_error naming the input for an
// input that cannot be read or, with utf8, holds a character the code page cannot take.
void ConvertInputs(const std::vector<std::string>& inputs, core::Direction direction, bool utf8,
                   OutputFile& output);

}  // namespace kestrane::cli
