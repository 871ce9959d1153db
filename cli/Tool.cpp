#include "cli/Tool.h"

#include <cstdio>
#include <exception>

#include "cli/ClientDirectory.h"
#include "cli/Commands.h"
#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/HelpText.h"
#include "cli/UsageError.h"

namespace kestrane::cli {
namespace {

int PrintToStandardOutput(std::string_view text) {
  OutputFile output(std::nullopt);
  output.Write(text);
  output.Finish();
  return kExitDone;
}

int Run(const Options& options) {
  if (options.help) return PrintToStandardOutput(HelpText());
  if (options.version) return PrintToStandardOutput("kestrane " KESTRANE_VERSION "\n");
  const Command& command = FindCommand(options);
  const ClientDirectory clientDirectory = ChooseClientDirectory(options.clientDir);
  ToolPlatform platform(clientDirectory.clientPath);
  if (command.readsFiles) RefuseOutputAmongInputs(options.outputFile, options.arguments);
  OutputFile output(options.outputFile);
  const int status = command.run({options, clientDirectory, platform, output});
  output.Finish();
  return status;
}

}  // namespace

int RunTool(std::span<char* const> args) {
  try {
    return Run(ParseOptions(args));
  } catch (const UsageError& error) {
    PrintError(error.what());
    std::fputs("Try 'kestrane --help' for more information.\n", stderr);
  } catch (const std::exception& error) {
    PrintError(error.what());
  }
  return kExitError;
}

}  // namespace kestrane::cli
