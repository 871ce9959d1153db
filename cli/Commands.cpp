#include "cli/Commands.h"

#include <array>
#include <limits>
#include <string>

#include "cli/ExitCode.h"
#include "cli/RecordText.h"
#include "cli/SaveOrderArguments.h"
#include "cli/StreamConversion.h"
#include "cli/TableText.h"
#include "cli/UsageError.h"
#include "core/MappingEdit.h"
#include "core/TableFile.h"
#include "core/Tables.h"

namespace kestrane::cli {
namespace {

int ExitFor(bool answer) {
  return answer ? kExitDone : kExitFalse;
}

int Convert(const CommandContext& context, core::Direction direction) {
  ConvertInputs(context.options.arguments, direction, context.options.utf8, context.output);
  return ExitFor(!context.platform.TableFileMissing());
}

int GBtoBIG5(const CommandContext& context) {
  return Convert(context, core::Direction::GBtoBIG5);
}
int BIG5toGB(const CommandContext& context) {
  return Convert(context, core::Direction::BIG5toGB);
}

int Reload(const CommandContext& /*context*/) {
  return ExitFor(core::LoadLanguage());
}

int PrintTable(const CommandContext& context, const core::Table& table) {
  if (table) context.output.Write(FormatTable(*table));
  return ExitFor(table.has_value());
}

int BIG5Table(const CommandContext& context) {
  return PrintTable(context, core::GetBIG5Table());
}
int GBTable(const CommandContext& context) {
  return PrintTable(context, core::GetGBTable());
}

int Config(const CommandContext& context) {
  const hostconfig::TVeltrimIniC record;
  context.output.Write(FormatRecord(record));
  context.output.Write(
      "ClientPathFrom=" + std::string(DescribeSource(context.clientDirectory.source)) + "\n");
  return kExitDone;
}

int SaveOrder(const CommandContext& context) {
  // The shipped table belongs to the installation (or the source tree), not to a user.
  if (context.clientDirectory.source == ClientSource::ShippedTable) {
    throw UsageError(
        "save-order does not edit the shipped table; name the folder of a table "
        "file with --client-dir");
  }
  const auto arguments = MakeSaveOrderArguments(context.options.arguments, context.options.utf8);
  return ExitFor(core::SaveCodeOrder(arguments.big5Char, arguments.big5Code, arguments.gbChar,
                                     arguments.gbCode));
}

constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();

constexpr std::array kCommands = {
    Command{"gb2big5", 0, kAny, true, GBtoBIG5},   Command{"big52gb", 0, kAny, true, BIG5toGB},
    Command{"reload", 0, 0, false, Reload},        Command{"big5-table", 0, 0, false, BIG5Table},
    Command{"gb-table", 0, 0, false, GBTable},     Command{"config", 0, 0, false, Config},
    Command{"save-order", 4, 4, false, SaveOrder},
};

}  // namespace

const Command& FindCommand(const Options& options) {
  for (const auto& command : kCommands) {
    if (command.name != options.command) continue;
    const std::size_t count = options.arguments.size();
    if (count < command.minArguments || count > command.maxArguments) {
      throw UsageError("wrong number of arguments for '" + options.command + "'");
    }
    return command;
  }
  throw UsageError("unknown command '" + options.command + "'");
}

}  // namespace kestrane::cli
