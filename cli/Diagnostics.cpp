#include "cli/Diagnostics.h"

#include <cstdio>
#include <string>

namespace kestrane::cli {

void PrintError(std::string_view text) {
  // One write per message keeps messages whole when other processes share the stream.
  std::string line = "kestrane: ";
  line.append(text);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace kestrane::cli
