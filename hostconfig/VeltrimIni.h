// The host product's configuration: its client directory (from the registry) and the settings
// of its "VeltrimC.ini". All strings are byte strings in the system ANSI code page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrane::platform {
class Platform;
}

namespace kestrane::hostconfig {

// The host product's registry key under HKEY_LOCAL_MACHINE; its "ClientPath" names the
// client directory.
inline constexpr std::string_view kHostKey = "Software\\Tresk\\Veltrim";

struct ServerEntry {
  std::string name;
  std::int32_t port = 0;
};

class TVeltrimIniC {
 public:
  // Reads the whole record; ErrorCode tells why it may be incomplete.
  TVeltrimIniC();
  virtual ~TVeltrimIniC() = default;

  // "C:\x" and "\\server\x" stand as they are; "\x" and "x" are taken relative to base.
  static std::string JoinClientPath(const std::string& path, const std::string& base);

  std::string ClientPath;
  std::string ProfilePath;
  std::string ProfileType;
  std::string UserName;
  std::string UICodePage;
  std::string DBCodePage;
  std::string SysCodePage;
  std::uint8_t UIConvertMode = 0;
  std::uint8_t DBConvertMode = 0;
  bool SupportCallBack = false;
  std::string IniFileName;
  std::vector<ServerEntry> Servers;
  std::string ErrorCode;
  std::string LangType;
  std::vector<std::string> WorkDLLPaths;
  std::string Version;

 private:
  // Fills the record; true only when all of it was read.
  bool Load();

  void SetInitialValues(unsigned codePage);
  // False when the host key cannot be opened.
  bool ReadHostKey(platform::Platform& host);
  void ChooseProfile(platform::Platform& host);
  void ChooseIniFile(platform::Platform& host);
  std::string ReadIniText(platform::Platform& host, const std::string& section,
                          const std::string& key, const std::string& defaultValue) const;
  void ReadLanguageAndCodePages(platform::Platform& host);
  void AppendWorkDLLEntries(platform::Platform& host);
  void DeriveConvertModes();
  void ResolveWorkDirectories(unsigned codePage);
};

}  // namespace kestrane::hostconfig
