#include <cstddef>

#include "cli/Tool.h"
#include "platform/StandardStreams.h"

int main(int argc, char** argv) {
  kestrane::platform::UseBinaryStandardStreams();
  return kestrane::cli::RunTool({argv + 1, static_cast<std::size_t>(argc - 1)});
}
