#include "platform/posix/PosixPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/CaseName.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace kestrane::platform::posix {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnv;

// A Western-locale platform whose files live in a temporary folder; ansi() gives the folder
// as the product writes paths.
class PosixPlatformTest : public testing::Test {
 protected:
  std::string ansi(std::string_view name) const {
    std::string path = dir_.path().string() + "/" + std::string(name);
    std::ranges::replace(path, '/', '\\');
    return path;
  }

  test::TempDir dir_;
  ScopedEnv acp_{"KESTRANE_ACP", "1252"};
  ScopedEnv registry_{"KESTRANE_REGISTRY", std::nullopt};
  PosixPlatform platform_;
};

TEST_F(PosixPlatformTest, NoRegistryFileMeansNoKey) {
  EXPECT_EQ(platform_.ReadLocalMachineStrings("Software\\Tresk\\Veltrim", {"ClientPath"}),
            std::nullopt);
}

TEST_F(PosixPlatformTest, RegistryValuesInTheAnsiCodePage) {
  auto reg = dir_.Write("host.reg",
                        "Windows Registry Editor Version 5.00\r\n\r\n"
                        "[HKEY_LOCAL_MACHINE\\Software\\Tresk\\Veltrim]\r\n"
                        "\"ClientPath\"=\"D:\\\\功\"\r\n");
  ScopedEnv registry("KESTRANE_REGISTRY", reg.string());
  ScopedEnv big5("KESTRANE_ACP", "950");
  EXPECT_EQ(
      platform_.ReadLocalMachineStrings("Software\\Tresk\\Veltrim", {"ClientPath", "ProfileType"}),
      (std::vector<std::string>{"D:\\\xA5\x5C", ""}));
  EXPECT_EQ(platform_.ReadLocalMachineStrings("Software\\Tresk\\Other", {"ClientPath"}),
            std::nullopt);
}

TEST_F(PosixPlatformTest, RegistryFileThatIsMissingIsAnError) {
  ScopedEnv registry("KESTRANE_REGISTRY", (dir_ / "absent.reg").string());
  EXPECT_THROW(platform_.ReadLocalMachineStrings("Software\\Tresk\\Veltrim", {"ClientPath"}),
               IoError);
}

TEST_F(PosixPlatformTest, IniReadsThroughAnAnsiPath) {
  dir_.Write("Profile/li/VeltrimC.ini",
             "[Server Information]\r\nServerPort=8000\r\n[WorkDLLPath]\r\na=Bin\r\n");
  std::string ini = ansi("Profile\\li\\VeltrimC.ini");
  EXPECT_EQ(platform_.ReadIniString(ini, "Server Information", "ServerPort", "x"), "8000");
  EXPECT_EQ(platform_.ReadIniString(ini, "Server Information", "ComputerName", "127.0.0.1"),
            "127.0.0.1");
  EXPECT_EQ(platform_.ReadIniInt(ini, "Server Information", "ServerPort", 211), 8000);
  EXPECT_EQ(platform_.ReadIniInt(ini, "Server Information", "Missing", 211), 211);
  EXPECT_EQ(platform_.ReadIniSection(ini, "WorkDLLPath"), std::vector<std::string>{"a=Bin"});
}

TEST_F(PosixPlatformTest, MissingIniGivesDefaults) {
  std::string ini = ansi("VeltrimC.ini");
  EXPECT_EQ(platform_.ReadIniString(ini, "CodePage", "UICodePage", "936"), "936");
  EXPECT_EQ(platform_.ReadIniInt(ini, "Server Information", "ServerPort", 211), 211);
  EXPECT_TRUE(platform_.ReadIniSection(ini, "WorkDLLPath").empty());
}

TEST_F(PosixPlatformTest, DoubleByteFolderWithBackslashTrailByte) {
  ScopedEnv big5("KESTRANE_ACP", "950");
  dir_.Write("功/Language", "[BIG5]\r\n");
  EXPECT_TRUE(platform_.FileExists(ansi("\xA5\x5C\\Language")));
}

struct ExistsCase {
  const char* name;
  const char* path;
  bool exists;
};

class FileExistsTest : public PosixPlatformTest, public testing::WithParamInterface<ExistsCase> {};

TEST_P(FileExistsTest, OnlyRegularFilesExist) {
  dir_.Write("Language", "");
  dir_.Write("Folder/inside", "");
  EXPECT_EQ(platform_.FileExists(ansi(GetParam().path)), GetParam().exists);
}

INSTANTIATE_TEST_SUITE_P(Cases, FileExistsTest,
                         testing::Values(ExistsCase{"File", "Language", true},
                                         ExistsCase{"Folder", "Folder", false},
                                         ExistsCase{"Missing", "Language.bak", false},
                                         ExistsCase{"InFolder", "Folder\\inside", true}),
                         test::CaseName());

TEST_F(PosixPlatformTest, CopyOverCreatesOrReplaces) {
  dir_.Write("Language", "new");
  dir_.Write("Language.bak", "older and longer");
  EXPECT_TRUE(platform_.CopyFileOver(ansi("Language"), ansi("Language.bak")));
  EXPECT_EQ(test::ReadBytes(dir_ / "Language.bak"), "new");
  EXPECT_TRUE(platform_.CopyFileOver(ansi("Language"), ansi("Language.err")));
  EXPECT_EQ(test::ReadBytes(dir_ / "Language.err"), "new");
}

TEST_F(PosixPlatformTest, CopyOverFailures) {
  dir_.Write("Language", "new");
  auto backup = dir_.Write("Language.bak", "kept");
  fs::permissions(backup, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(platform_.CopyFileOver(ansi("Language"), ansi("Language.bak")));
  EXPECT_EQ(test::ReadBytes(backup), "kept");
  EXPECT_FALSE(platform_.CopyFileOver(ansi("Absent"), ansi("Copy")));
  EXPECT_FALSE(fs::exists(dir_ / "Copy"));
  EXPECT_FALSE(platform_.CopyFileOver(ansi("Language"), ansi("NoFolder\\Copy")));
}

TEST_F(PosixPlatformTest, LinesAndReplacementThroughAnsiPaths) {
  dir_.Write("Language", "a\r\nb");
  {
    auto writer = platform_.ReplaceFile(ansi("Language"));
    auto reader = platform_.OpenLines(ansi("Language"));
    std::string line;
    while (reader->ReadLine(line)) writer->WriteLine(line + "!");
    writer->Commit();
  }
  EXPECT_EQ(test::ReadBytes(dir_ / "Language"), "a!\r\nb!\r\n");
  EXPECT_THROW(platform_.OpenLines(ansi("Absent")), IoError);
}

struct MessageCase {
  const char* name;
  std::string text;
  std::string shown;
};

class ShowMessageTest : public testing::TestWithParam<MessageCase> {};

TEST_P(ShowMessageTest, WritesOneLineToStandardError) {
  PosixPlatform platform;
  testing::internal::CaptureStderr();
  platform.ShowMessage(GetParam().text);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShowMessageTest,
    testing::Values(MessageCase{"MissingTableFile", "\xD5\xD2\xB2\xBB\xB5\xBD Language \xB5\xB5 !!",
                                "kestrane: 找不到 Language 档 !!\n"},
                    MessageCase{"Unconvertible", "bad \xFF!", "kestrane: bad \xEF\xBF\xBD!\n"},
                    MessageCase{"Empty", "", "kestrane: \n"}),
    test::CaseName());

TEST(PosixNativeTest, NativeIsOneProcessWidePosixPlatform) {
  EXPECT_EQ(&Native(), &Native());
  EXPECT_NE(dynamic_cast<PosixPlatform*>(&Native()), nullptr);
}

}  // namespace
}  // namespace kestrane::platform::posix
