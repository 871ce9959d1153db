#include "hostconfig/VeltrimIni.h"

#include <cstddef>
#include <string_view>
#include <utility>

#include "hostconfig/AnsiPath.h"
#include "platform/Platform.h"

namespace kestrane::hostconfig {
namespace {

const std::string kIniName = "VeltrimC.ini";
const std::string kNoHostKey = "E;000015";
const std::string kNoServer = "E;000016";
const std::string kServerSection = "Server Information";
const std::string kGB = "936";
const std::string kBIG5 = "950";
constexpr int kDefaultServerPort = 211;

bool IsBlank(char byte) {
  return static_cast<unsigned char>(byte) <= 0x20;
}

std::string Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::string AsciiUpper(std::string text) {
  for (char& byte : text) {
    if (byte >= 'a' && byte <= 'z') byte = static_cast<char>(byte - 'a' + 'A');
  }
  return text;
}

bool IsYes(const std::string& flag) {
  const std::string upper = AsciiUpper(flag);
  return upper == "1" || upper == "Y" || upper == "YES" || upper == "TRUE";
}

// The ComputerName value as a ";"-separated list; one trailing ";" ends the list.
std::string ServerNamesText(const std::string& computerName) {
  std::string names = Trim(computerName);
  if (!names.empty() && names.back() == ';') names.pop_back();
  return names;
}

// Pieces stay untrimmed, and an empty piece between two ";" is a server with an empty name.
std::vector<ServerEntry> SplitServers(std::string_view names, int port) {
  std::vector<ServerEntry> servers;
  while (!names.empty()) {
    const std::size_t end = names.find(';');
    servers.push_back({std::string(names.substr(0, end)), port});
    names.remove_prefix(end == std::string_view::npos ? names.size() : end + 1);
  }
  return servers;
}

// The value of a "name=value" entry; an entry without "=" is all value.
std::string EntryValue(const std::string& entry) {
  const std::size_t equals = entry.find('=');
  return equals == std::string::npos ? entry : entry.substr(equals + 1);
}

}  // namespace

TVeltrimIniC::TVeltrimIniC() {
  // Callers read the fields they need; ErrorCode tells why the record may be incomplete.
  Load();
}

std::string TVeltrimIniC::JoinClientPath(const std::string& path, const std::string& base) {
  const bool hasDrive = path.size() >= 2 && path[1] == ':';
  if (hasDrive || path.starts_with("\\\\")) return path;
  if (path.starts_with('\\')) return base + path.substr(1);
  return base + path;
}

bool TVeltrimIniC::Load() {
  platform::Platform& host = platform::Current();
  const unsigned codePage = host.AnsiCodePage();
  SetInitialValues(codePage);
  if (!ReadHostKey(host) || ClientPath.empty()) return false;
  ClientPath = WithTrailingSeparator(std::move(ClientPath), codePage);
  ChooseProfile(host);
  ChooseIniFile(host);

  ReadLanguageAndCodePages(host);
  SupportCallBack = IsYes(ReadIniText(host, kServerSection, "SupportCallBack", "0"));
  const std::string names =
      ServerNamesText(ReadIniText(host, kServerSection, "ComputerName", "127.0.0.1"));
  const int port = host.ReadIniInt(IniFileName, kServerSection, "ServerPort", kDefaultServerPort);
  AppendWorkDLLEntries(host);
  DeriveConvertModes();

  if (names.empty()) {
    ErrorCode = kNoServer;
    return false;
  }
  Servers = SplitServers(names, port);
  ResolveWorkDirectories(codePage);
  return true;
}

void TVeltrimIniC::SetInitialValues(unsigned codePage) {
  ErrorCode.clear();
  ClientPath.clear();
  ProfilePath.clear();
  ProfileType = "0";
  UserName = "Default";
  UICodePage = kGB;
  DBCodePage = kGB;
  SysCodePage = std::to_string(codePage);
  SupportCallBack = false;
  IniFileName.clear();
}

bool TVeltrimIniC::ReadHostKey(platform::Platform& host) {
  const auto values =
      host.ReadLocalMachineStrings(std::string(kHostKey), {"ClientPath", "ProfileType"});
  if (!values) {
    ErrorCode = kNoHostKey;
    return false;
  }
  ClientPath = values->at(0);
  ProfileType = values->at(1);
  return true;
}

void TVeltrimIniC::ChooseProfile(platform::Platform& host) {
  if (ProfileType.empty() || ProfileType == "0") {
    ProfilePath = ClientPath;
    return;
  }
  UserName = host.LogonName();
  ProfilePath = ClientPath + "Profile\\" + UserName + "\\";
}

void TVeltrimIniC::ChooseIniFile(platform::Platform& host) {
  IniFileName = ProfilePath + kIniName;
  if (host.FileExists(IniFileName)) return;
  // Without a per-user file the shared one is used, whether it exists or not.
  ProfilePath = ClientPath;
  IniFileName = ClientPath + kIniName;
}

std::string TVeltrimIniC::ReadIniText(platform::Platform& host, const std::string& section,
                                      const std::string& key,
                                      const std::string& defaultValue) const {
  return host.ReadIniString(IniFileName, section, key, defaultValue);
}

void TVeltrimIniC::ReadLanguageAndCodePages(platform::Platform& host) {
  LangType = ReadIniText(host, "Client Components", "LangType", "ENG");
  Version = ReadIniText(host, "ProductVersion", "Version", "");
  UICodePage = ReadIniText(host, "CodePage", "UICodePage", kGB);
  DBCodePage = ReadIniText(host, "CodePage", "DBCodePage", kGB);
}

void TVeltrimIniC::AppendWorkDLLEntries(platform::Platform& host) {
  for (std::string& entry : host.ReadIniSection(IniFileName, "WorkDLLPath")) {
    WorkDLLPaths.push_back(std::move(entry));
  }
}

void TVeltrimIniC::DeriveConvertModes() {
  if (UICodePage != kGB) {
    UIConvertMode = 2;
  } else {
    UIConvertMode = SysCodePage == kBIG5 ? 4 : 0;
  }
  if (UICodePage == kBIG5 && DBCodePage == kGB) {
    DBConvertMode = 2;
  } else {
    DBConvertMode = UICodePage == kGB && DBCodePage == kBIG5 ? 1 : 0;
  }
}

void TVeltrimIniC::ResolveWorkDirectories(unsigned codePage) {
  if (WorkDLLPaths.empty()) {
    WorkDLLPaths.push_back(ClientPath + "C_PKG\\");
    return;
  }
  for (std::string& line : WorkDLLPaths) {
    line = JoinClientPath(WithTrailingSeparator(EntryValue(line), codePage), ClientPath);
  }
}

}  // namespace kestrane::hostconfig
