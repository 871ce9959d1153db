#include "hostconfig/VeltrimIni.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "FakeHostPlatform.h"

namespace kestrane::hostconfig {

bool operator==(const ServerEntry& a, const ServerEntry& b) {
  return a.name == b.name && a.port == b.port;
}

void PrintTo(const ServerEntry& server, std::ostream* out) {
  *out << "{\"" << server.name << "\", " << server.port << "}";
}

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kHostKey = "Software\\Tresk\\Veltrim";
const std::string kClientDir = "D:\\App\\";
const std::string kSharedIni = "D:\\App\\VeltrimC.ini";
const std::string kUserIni = "D:\\App\\Profile\\li\\VeltrimC.ini";

class VeltrimIniTest : public ::testing::Test {
 protected:
  void SetHostKey(const std::string& clientPath, const std::string& profileType = "0") {
    host_.SetRegistryKey(kHostKey, {{"ClientPath", clientPath}, {"ProfileType", profileType}});
  }
  // The shared ini file of the client directory D:\App\.
  void SetShared(const std::string& section, const std::string& key, const std::string& value) {
    host_.SetIniValue(kSharedIni, section, key, value);
  }

  test::FakeHostPlatform host_;

 private:
  platform::ScopedPlatform installed_{host_};
};

TEST_F(VeltrimIniTest, WithoutIniFileEveryValueIsItsDefault) {
  SetHostKey("D:\\App");
  const TVeltrimIniC ini;
  EXPECT_EQ(ini.ErrorCode, "");
  EXPECT_EQ(ini.ClientPath, kClientDir);
  EXPECT_EQ(ini.ProfilePath, kClientDir);
  EXPECT_EQ(ini.ProfileType, "0");
  EXPECT_EQ(ini.UserName, "Default");
  EXPECT_EQ(ini.IniFileName, kSharedIni);
  EXPECT_EQ(ini.LangType, "ENG");
  EXPECT_EQ(ini.Version, "");
  EXPECT_EQ(ini.UICodePage, "936");
  EXPECT_EQ(ini.DBCodePage, "936");
  EXPECT_EQ(ini.SysCodePage, "1252");
  EXPECT_EQ(ini.UIConvertMode, 0);
  EXPECT_EQ(ini.DBConvertMode, 0);
  EXPECT_FALSE(ini.SupportCallBack);
  EXPECT_THAT(ini.Servers, ElementsAre(ServerEntry{"127.0.0.1", 211}));
  EXPECT_THAT(ini.WorkDLLPaths, ElementsAre("D:\\App\\C_PKG\\"));
}

TEST_F(VeltrimIniTest, ReadsLanguageVersionAndCodePagesFromIniFile) {
  SetHostKey("D:\\App\\");
  SetShared("Client Components", "LangType", "CHT");
  SetShared("ProductVersion", "Version", "5.1.2");
  SetShared("CodePage", "UICodePage", "950");
  SetShared("CodePage", "DBCodePage", "1252");
  const TVeltrimIniC ini;
  EXPECT_EQ(ini.ClientPath, kClientDir);
  EXPECT_EQ(ini.LangType, "CHT");
  EXPECT_EQ(ini.Version, "5.1.2");
  EXPECT_EQ(ini.UICodePage, "950");
  EXPECT_EQ(ini.DBCodePage, "1252");
}

TEST_F(VeltrimIniTest, MissingHostKeyLeavesInitialValuesAndErrorCode) {
  host_.SetAnsiCodePage(950);
  host_.SetRegistryKey("Software\\Tresk\\Other", {{"ClientPath", "D:\\App"}});
  SetShared("Client Components", "LangType", "CHT");
  const TVeltrimIniC ini;
  EXPECT_EQ(ini.ErrorCode, "E;000015");
  EXPECT_EQ(ini.ClientPath, "");
  EXPECT_EQ(ini.ProfilePath, "");
  EXPECT_EQ(ini.ProfileType, "0");
  EXPECT_EQ(ini.UserName, "Default");
  EXPECT_EQ(ini.SysCodePage, "950");
  EXPECT_EQ(ini.IniFileName, "");
  EXPECT_EQ(ini.LangType, "");
  EXPECT_THAT(ini.Servers, IsEmpty());
  EXPECT_THAT(ini.WorkDLLPaths, IsEmpty());
}

TEST_F(VeltrimIniTest, EmptyClientPathStopsWithoutErrorCode) {
  host_.SetRegistryKey(kHostKey, {{"ProfileType", "1"}});
  host_.SetLogonName("li");
  const TVeltrimIniC ini;
  EXPECT_EQ(ini.ErrorCode, "");
  EXPECT_EQ(ini.ClientPath, "");
  EXPECT_EQ(ini.ProfileType, "1");
  EXPECT_EQ(ini.UserName, "Default");
  EXPECT_EQ(ini.IniFileName, "");
  EXPECT_THAT(ini.Servers, IsEmpty());
  EXPECT_THAT(ini.WorkDLLPaths, IsEmpty());
}

TEST_F(VeltrimIniTest, WithoutServerNameKeepsEarlierStepsAndRawWorkEntries) {
  SetHostKey("D:\\App");
  SetShared("Client Components", "LangType", "CHT");
  SetShared("CodePage", "UICodePage", "950");
  SetShared("Server Information", "SupportCallBack", "1");
  SetShared("Server Information", "ComputerName", " ; ");
  SetShared("WorkDLLPath", "a", "Bin");
  const TVeltrimIniC ini;
  EXPECT_EQ(ini.ErrorCode, "E;000016");
  EXPECT_EQ(ini.LangType, "CHT");
  EXPECT_TRUE(ini.SupportCallBack);
  EXPECT_EQ(ini.UIConvertMode, 2);
  EXPECT_EQ(ini.DBConvertMode, 2);
  EXPECT_THAT(ini.Servers, IsEmpty());
  EXPECT_THAT(ini.WorkDLLPaths, ElementsAre("a=Bin"));
}

TEST_F(VeltrimIniTest, WithoutServerNameAnEmptyWorkSectionGetsNoDefault) {
  SetHostKey("D:\\App");
  SetShared("Server Information", "ComputerName", "");
  const TVeltrimIniC ini;
  EXPECT_EQ(ini.ErrorCode, "E;000016");
  EXPECT_THAT(ini.WorkDLLPaths, IsEmpty());
}

struct ProfileCase {
  std::string profileType;
  std::string logonName;
  bool userFileExists;
  std::string profilePath;
  std::string iniFileName;
  std::string userName;
  std::string langType;  // "USER" from the per-user file, "SHARED" from the shared one
};

class ProfileTest : public VeltrimIniTest, public ::testing::WithParamInterface<ProfileCase> {};

TEST_P(ProfileTest, PicksPerUserOrSharedIniFile) {
  const ProfileCase& c = GetParam();
  SetHostKey("D:\\App", c.profileType);
  host_.SetLogonName(c.logonName);
  SetShared("Client Components", "LangType", "SHARED");
  if (c.userFileExists) {
    host_.SetIniValue("D:\\App\\Profile\\" + c.logonName + "\\VeltrimC.ini", "Client Components",
                      "LangType", "USER");
  }
  const TVeltrimIniC ini;
  EXPECT_EQ(ini.ProfileType, c.profileType);
  EXPECT_EQ(ini.ProfilePath, c.profilePath);
  EXPECT_EQ(ini.IniFileName, c.iniFileName);
  EXPECT_EQ(ini.UserName, c.userName);
  EXPECT_EQ(ini.LangType, c.langType);
}

INSTANTIATE_TEST_SUITE_P(
    ProfileTypes, ProfileTest,
    ::testing::Values(
        ProfileCase{"0", "li", true, kClientDir, kSharedIni, "Default", "SHARED"},
        ProfileCase{"", "li", true, kClientDir, kSharedIni, "Default", "SHARED"},
        ProfileCase{"1", "li", true, "D:\\App\\Profile\\li\\", kUserIni, "li", "USER"},
        ProfileCase{"1", "li", false, kClientDir, kSharedIni, "li", "SHARED"},
        ProfileCase{"yes", "li", true, "D:\\App\\Profile\\li\\", kUserIni, "li", "USER"},
        // A long logon name is taken whole.
        ProfileCase{"1", std::string(40, 'n'), true,
                    "D:\\App\\Profile\\" + std::string(40, 'n') + "\\",
                    "D:\\App\\Profile\\" + std::string(40, 'n') + "\\VeltrimC.ini",
                    std::string(40, 'n'), "USER"},
        // An unknown logon name replaces "Default" all the same.
        ProfileCase{"1", "", false, kClientDir, kSharedIni, "", "SHARED"}));

struct ServerListCase {
  std::optional<std::string> computerName;  // nullopt: no such key
  std::optional<std::string> serverPort;
  std::vector<ServerEntry> servers;
  std::string errorCode;
};

class ServerListTest : public VeltrimIniTest,
                       public ::testing::WithParamInterface<ServerListCase> {};

TEST_P(ServerListTest, SplitsComputerNameAtSemicolons) {
  const ServerListCase& c = GetParam();
  SetHostKey("D:\\App");
  host_.AddFile(kSharedIni);
  if (c.computerName) SetShared("Server Information", "ComputerName", *c.computerName);
  if (c.serverPort) SetShared("Server Information", "ServerPort", *c.serverPort);
  const TVeltrimIniC ini;
  EXPECT_EQ(ini.ErrorCode, c.errorCode);
  EXPECT_EQ(ini.Servers, c.servers);
}

INSTANTIATE_TEST_SUITE_P(
    ComputerNames, ServerListTest,
    ::testing::Values(
        ServerListCase{std::nullopt, std::nullopt, {{"127.0.0.1", 211}}, ""},
        ServerListCase{"srvA;srvB;", "8000", {{"srvA", 8000}, {"srvB", 8000}}, ""},
        ServerListCase{"srvA; srvB", std::nullopt, {{"srvA", 211}, {" srvB", 211}}, ""},
        ServerListCase{"a;;", std::nullopt, {{"a", 211}}, ""},
        ServerListCase{";a", std::nullopt, {{"", 211}, {"a", 211}}, ""},
        ServerListCase{"a;;b", std::nullopt, {{"a", 211}, {"", 211}, {"b", 211}}, ""},
        ServerListCase{"\x01 srvA\t\x20", std::nullopt, {{"srvA", 211}}, ""},
        // Trimmed once: the blank before the removed ";" stays.
        ServerListCase{" srvA ; ", std::nullopt, {{"srvA ", 211}}, ""},
        // Bytes above 0x7F are text, not blanks.
        ServerListCase{"\xA1\xA1srv\xA1\xA1", std::nullopt, {{"\xA1\xA1srv\xA1\xA1", 211}}, ""},
        ServerListCase{"", std::nullopt, {}, "E;000016"},
        ServerListCase{";", std::nullopt, {}, "E;000016"},
        ServerListCase{" \t; ", "8000", {}, "E;000016"}));

struct CallBackCase {
  std::optional<std::string> value;
  bool supported;
};

class SupportCallBackTest : public VeltrimIniTest,
                            public ::testing::WithParamInterface<CallBackCase> {};

TEST_P(SupportCallBackTest, AcceptsOnlyTheYesWords) {
  SetHostKey("D:\\App");
  host_.AddFile(kSharedIni);
  if (GetParam().value) SetShared("Server Information", "SupportCallBack", *GetParam().value);
  EXPECT_EQ(TVeltrimIniC().SupportCallBack, GetParam().supported);
}

INSTANTIATE_TEST_SUITE_P(Values, SupportCallBackTest,
                         ::testing::Values(CallBackCase{std::nullopt, false},
                                           CallBackCase{"1", true}, CallBackCase{"y", true},
                                           CallBackCase{"Y", true}, CallBackCase{"yes", true},
                                           CallBackCase{"yEs", true}, CallBackCase{"TRUE", true},
                                           CallBackCase{"true", true}, CallBackCase{"on", false},
                                           CallBackCase{"0", false}, CallBackCase{"2", false},
                                           CallBackCase{"", false}, CallBackCase{"yes ", false},
                                           CallBackCase{"T", false}, CallBackCase{"01", false}));

struct ConvertModeCase {
  std::optional<std::string> uiCodePage;
  std::optional<std::string> dbCodePage;
  unsigned ansiCodePage;
  std::uint8_t uiMode;
  std::uint8_t dbMode;
};

class ConvertModeTest : public VeltrimIniTest,
                        public ::testing::WithParamInterface<ConvertModeCase> {};

TEST_P(ConvertModeTest, DerivesModesFromCodePages) {
  const ConvertModeCase& c = GetParam();
  host_.SetAnsiCodePage(c.ansiCodePage);
  SetHostKey("D:\\App");
  host_.AddFile(kSharedIni);
  if (c.uiCodePage) SetShared("CodePage", "UICodePage", *c.uiCodePage);
  if (c.dbCodePage) SetShared("CodePage", "DBCodePage", *c.dbCodePage);
  const TVeltrimIniC ini;
  EXPECT_EQ(ini.SysCodePage, std::to_string(c.ansiCodePage));
  EXPECT_EQ(ini.UIConvertMode, c.uiMode);
  EXPECT_EQ(ini.DBConvertMode, c.dbMode);
}

INSTANTIATE_TEST_SUITE_P(CodePages, ConvertModeTest,
                         ::testing::Values(ConvertModeCase{std::nullopt, std::nullopt, 936, 0, 0},
                                           ConvertModeCase{std::nullopt, std::nullopt, 950, 4, 0},
                                           ConvertModeCase{"936", "950", 1252, 0, 1},
                                           ConvertModeCase{"936", "950", 950, 4, 1},
                                           ConvertModeCase{"950", "936", 936, 2, 2},
                                           ConvertModeCase{"950", "950", 950, 2, 0},
                                           ConvertModeCase{"1252", "936", 936, 2, 0},
                                           // Code pages compare as exact text.
                                           ConvertModeCase{"0936", "950", 950, 2, 0},
                                           ConvertModeCase{"950", "936 ", 936, 2, 0}));

struct JoinCase {
  std::string path;
  std::string joined;
};

class JoinClientPathTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinClientPathTest, KeepsAbsolutePathsAndPrefixesOthers) {
  EXPECT_EQ(TVeltrimIniC::JoinClientPath(GetParam().path, kClientDir), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, JoinClientPathTest,
    ::testing::Values(JoinCase{"Bin", "D:\\App\\Bin"}, JoinCase{"\\Lib", "D:\\App\\Lib"},
                      JoinCase{"E:\\X", "E:\\X"}, JoinCase{"E:", "E:"}, JoinCase{"E:rel", "E:rel"},
                      JoinCase{"\\\\srv\\x", "\\\\srv\\x"}, JoinCase{"\\", "D:\\App\\"},
                      JoinCase{"", "D:\\App\\"}, JoinCase{"x", "D:\\App\\x"},
                      JoinCase{":x", "D:\\App\\:x"}));

struct WorkDirectoryCase {
  std::vector<std::pair<std::string, std::string>> entries;
  std::vector<std::string> directories;
};

class WorkDirectoryTest : public VeltrimIniTest,
                          public ::testing::WithParamInterface<WorkDirectoryCase> {};

TEST_P(WorkDirectoryTest, ResolvesEntriesAgainstClientPath) {
  SetHostKey("D:\\App");
  host_.AddFile(kSharedIni);
  for (const auto& [name, value] : GetParam().entries) SetShared("WorkDLLPath", name, value);
  EXPECT_EQ(TVeltrimIniC().WorkDLLPaths, GetParam().directories);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, WorkDirectoryTest,
    ::testing::Values(
        WorkDirectoryCase{{}, {"D:\\App\\C_PKG\\"}},
        WorkDirectoryCase{{{"a", "Bin"}, {"b", "\\Lib"}, {"c", "E:\\X"}, {"d", "\\\\srv"}},
                          {"D:\\App\\Bin\\", "D:\\App\\Lib\\", "E:\\X\\", "\\\\srv\\"}},
        WorkDirectoryCase{{{"z", "Bin\\"}, {"a", "Lib"}}, {"D:\\App\\Bin\\", "D:\\App\\Lib\\"}},
        WorkDirectoryCase{{{"e", ""}}, {"D:\\App\\"}},
        WorkDirectoryCase{{{"f", "x=y"}}, {"D:\\App\\x=y\\"}}));

struct DoubleByteCase {
  unsigned ansiCodePage;
  std::string registryPath;
  std::string clientPath;
  std::string workEntry;
  std::string workDirectory;
};

class DoubleByteSeparatorTest : public VeltrimIniTest,
                                public ::testing::WithParamInterface<DoubleByteCase> {};

TEST_P(DoubleByteSeparatorTest, TrailByte5CIsNoSeparator) {
  const DoubleByteCase& c = GetParam();
  host_.SetAnsiCodePage(c.ansiCodePage);
  SetHostKey(c.registryPath);
  host_.SetIniValue(c.clientPath + "VeltrimC.ini", "WorkDLLPath", "w", c.workEntry);
  const TVeltrimIniC ini;
  EXPECT_EQ(ini.ClientPath, c.clientPath);
  EXPECT_EQ(ini.IniFileName, c.clientPath + "VeltrimC.ini");
  EXPECT_THAT(ini.WorkDLLPaths, ElementsAre(c.workDirectory));
}

INSTANTIATE_TEST_SUITE_P(CodePages, DoubleByteSeparatorTest,
                         ::testing::Values(DoubleByteCase{936, "D:\\\xB3\x5C", "D:\\\xB3\x5C\\",
                                                          "\xB3\x5C", "D:\\\xB3\x5C\\\xB3\x5C\\"},
                                           DoubleByteCase{950, "D:\\\xA5\x5C", "D:\\\xA5\x5C\\",
                                                          "\xA5\x5C", "D:\\\xA5\x5C\\\xA5\x5C\\"},
                                           DoubleByteCase{936, "D:\\\xB3\x5C\\", "D:\\\xB3\x5C\\",
                                                          "\xB3\x5C\\", "D:\\\xB3\x5C\\\xB3\x5C\\"},
                                           DoubleByteCase{1252, "D:\\\xB3\x5C", "D:\\\xB3\x5C",
                                                          "\xB3\x5C", "D:\\\xB3\x5C\xB3\x5C"}));

}  // namespace
}  // namespace kestrane::hostconfig
