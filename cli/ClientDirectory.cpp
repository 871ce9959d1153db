#include "cli/ClientDirectory.h"

#include "cli/ProductPath.h"
#include "cli/ShippedTable.h"
#include "hostconfig/VeltrimIni.h"
#include "platform/Platform.h"

namespace kestrane::cli {
namespace {

ClientDirectory Supplied(const std::filesystem::path& folder, ClientSource source) {
  auto& native = platform::Native();
  return {ToProductPath(folder, native.AnsiCodePage()), source};
}

bool HostKeyExists() {
  return platform::Native()
      .ReadLocalMachineStrings(std::string(hostconfig::kHostKey), {})
      .has_value();
}

}  // namespace

ClientDirectory ChooseClientDirectory(const std::optional<std::string>& option) {
  if (option) return Supplied(*option, ClientSource::Option);
  if (HostKeyExists()) return {std::nullopt, ClientSource::HostRegistry};
  if (auto shipped = ShippedTableDirectory()) return Supplied(*shipped, ClientSource::ShippedTable);
  return {std::nullopt, ClientSource::None};
}

std::string_view DescribeSource(ClientSource source) {
  switch (source) {
    case ClientSource::Option:
      return "--client-dir";
    case ClientSource::HostRegistry:
      return "host registry";
    case ClientSource::ShippedTable:
      return "shipped table";
    case ClientSource::None:
      break;
  }
  return "none (current directory)";
}

}  // namespace kestrane::cli
