// The tool's command line: options, the command and its arguments.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kestrane::cli {

struct Options {
  std::optional<std::string> clientDir;
  bool utf8 = false;
  std::optional<std::string> outputFile;
  bool help = false;
  bool version = false;
  std::string command;
  std::vector<std::string> arguments;
};

// Reads the arguments after the program name. Options may stand anywhere before "--"; "-"
// is an argument (standard input). Throws UsageError for an unknown or incomplete option and
// for a missing command (unless help or the version is asked for).
Options ParseOptions(std::span<char* const> args);

}  // namespace kestrane::cli
