// The tool's commands: each runs one operation of the conversion core.
#pragma once

#include <string_view>

#include "cli/ClientDirectory.h"
#include "cli/Options.h"
#include "cli/OutputFile.h"
#include "cli/ToolPlatform.h"

namespace kestrane::cli {

struct CommandContext {
  const Options& options;
  const ClientDirectory& clientDirectory;
  const ToolPlatform& platform;
  OutputFile& output;
};

struct Command {
  std::string_view name;
  std::size_t minArguments;
  std::size_t maxArguments;
  // The arguments name files to read ("-": standard input).
  bool readsFiles;
  // Returns the exit status; throws for a raised error.
  int (*run)(const CommandContext& context);
};

// The command the options name; throws UsageError for an unknown name or a wrong number of
// arguments.
const Command& FindCommand(const Options& options);

}  // namespace kestrane::cli
