// Which client directory (the folder of the table file "Language") the tool uses.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrane::cli {

enum class ClientSource {
  Option,        // --client-dir
  HostRegistry,  // the host product's registry key
  ShippedTable,  // the table that ships with the tool
  None,          // nothing: "Language" is looked for in the current directory
};

struct ClientDirectory {
  // The "ClientPath" the tool supplies (ANSI code page bytes); empty when the host registry
  // answers for itself.
  std::optional<std::string> clientPath;
  ClientSource source = ClientSource::None;
};

// The option's folder, else the host registry key when it exists, else the shipped table.
ClientDirectory ChooseClientDirectory(const std::optional<std::string>& option);

std::string_view DescribeSource(ClientSource source);

}  // namespace kestrane::cli
