#include "cli/RecordText.h"

#include <string_view>

namespace kestrane::cli {
namespace {

void AddLine(std::string& text, std::string_view field, std::string_view value) {
  text.append(field).append("=").append(value).append("\n");
}

}  // namespace

std::string FormatRecord(const hostconfig::TVeltrimIniC& record) {
  std::string text;
  AddLine(text, "ClientPath", record.ClientPath);
  AddLine(text, "ProfilePath", record.ProfilePath);
  AddLine(text, "ProfileType", record.ProfileType);
  AddLine(text, "UserName", record.UserName);
  AddLine(text, "UICodePage", record.UICodePage);
  AddLine(text, "DBCodePage", record.DBCodePage);
  AddLine(text, "SysCodePage", record.SysCodePage);
  AddLine(text, "UIConvertMode", std::to_string(record.UIConvertMode));
  AddLine(text, "DBConvertMode", std::to_string(record.DBConvertMode));
  AddLine(text, "SupportCallBack", record.SupportCallBack ? "true" : "false");
  AddLine(text, "IniFileName", record.IniFileName);
  for (const auto& server : record.Servers) {
    AddLine(text, "Servers", server.name + ":" + std::to_string(server.port));
  }
  AddLine(text, "ErrorCode", record.ErrorCode);
  AddLine(text, "LangType", record.LangType);
  for (const auto& folder : record.WorkDLLPaths) AddLine(text, "WorkDLLPaths", folder);
  AddLine(text, "Version", record.Version);
  return text;
}

}  // namespace kestrane::cli
