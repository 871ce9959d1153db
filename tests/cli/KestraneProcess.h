// Runs the built kestrane tool as a separate process, as a user would.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrane::test {

struct ToolResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

struct ToolRun {
  std::vector<std::string> args;
  std::string input;  // standard input
  // Changes to the environment: a value sets the variable, nullopt removes it. The host
  // registry (KESTRANE_REGISTRY) and the code page override (KESTRANE_ACP) are removed unless
  // set here, so a test sees only what it sets up.
  std::map<std::string, std::optional<std::string>> environment;
  // Standard input through a pipe, written in pieces of this many bytes, instead of a file:
  // the tool then reads pieces of sizes it cannot choose.
  std::optional<std::size_t> pipePiece = std::nullopt;
};

ToolResult RunKestrane(const ToolRun& run);

}  // namespace kestrane::test
