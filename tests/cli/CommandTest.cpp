// The command line, the exit statuses, reload, the table listings and the configuration.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ToolFixture.h"
#include "core/TableFile.h"
#include "support/CaseName.h"
#include "support/CoreFixture.h"

namespace kestrane::test {
namespace {

using testing::HasSubstr;
using testing::StartsWith;

struct UsageCase {
  std::string name;
  std::vector<std::string> args;
  std::string message;
};

class UsageTest : public ToolFixture, public testing::WithParamInterface<UsageCase> {};

TEST_P(UsageTest, ExitsTwoWithTheCauseOnStandardError) {
  const auto& param = GetParam();
  auto result = Run(param.args);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_THAT(result.err, StartsWith("kestrane: " + param.message + "\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageTest,
    testing::Values(UsageCase{"NoCommand", {}, "missing command"},
                    UsageCase{"UnknownCommand", {"gb2utf"}, "unknown command 'gb2utf'"},
                    UsageCase{"UnknownOption", {"--fast", "reload"}, "unknown option '--fast'"},
                    UsageCase{"OptionWithoutValue", {"reload", "-o"}, "option '-o' needs a value"},
                    UsageCase{"ReloadWithAnArgument",
                              {"reload", "x"},
                              "wrong number of arguments for 'reload'"},
                    UsageCase{"TableWithAnArgument",
                              {"gb-table", "x"},
                              "wrong number of arguments for 'gb-table'"},
                    UsageCase{"SaveOrderWithThreeArguments",
                              {"save-order", "a", "b", "c"},
                              "wrong number of arguments for 'save-order'"}),
    CaseName());

TEST(HelpTest, PrintsUsageOnStandardOutput) {
  auto result = RunKestrane({{"--help"}, {}, {}});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_THAT(result.out, StartsWith("Usage: kestrane "));
  EXPECT_THAT(result.out, HasSubstr("--client-dir"));
  EXPECT_EQ(result.err, "");
}

using OptionTest = ToolFixture;

TEST_F(OptionTest, OptionsMayFollowTheCommand) {
  const auto input = client_.Write("in.txt", "国");
  auto result = Run({"gb2big5", input.string(), "--utf8"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "國");
}

TEST_F(OptionTest, DoubleDashEndsTheOptions) {
  auto result = Run({"gb2big5", "--", "--utf8"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_THAT(result.err, StartsWith("kestrane: cannot open --utf8: "));
}

using ReloadTest = ToolFixture;

TEST_F(ReloadTest, ExitsZeroWhenTheTableFileLoads) {
  auto result = Run({"reload"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out + result.err, "");
}

TEST_F(ReloadTest, ExitsOneWithTheMessageWhenThereIsNoTableFile) {
  std::filesystem::remove(client_ / "Language");
  auto result = Run({"reload"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "kestrane: 找不到 Language 档 !!\n");
}

TEST_F(ReloadTest, MalformedTableFileIsARaisedError) {
  client_.Write("Language", "[BIG5]\r\nBIG5Order[0]=$a1a1\r\n[GB]\r\n");
  auto result = Run({"reload"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_THAT(result.err, StartsWith("kestrane: "));
  EXPECT_THAT(result.err, HasSubstr("$a1a1"));
}

std::string Listing(const std::vector<core::Code>& table) {
  std::string text;
  for (auto code : table) text += core::CodeToHex(code) + "\n";
  return text;
}

struct TableCase {
  std::string name;
  std::string command;
  std::vector<core::Code> table;
};

class TableListingTest : public ToolFixture, public testing::WithParamInterface<TableCase> {};

TEST_P(TableListingTest, PrintsElementKOnLineKPlusOne) {
  auto result = Run({GetParam().command});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, Listing(GetParam().table));
}

TEST_P(TableListingTest, TableWithoutElementsPrintsNothing) {
  client_.Write("Language", "[BIG5]\r\n[GB]\r\n");
  auto result = Run({GetParam().command});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "");
}

TEST_P(TableListingTest, TableNeverLoadedPrintsNothingAndExitsOne) {
  std::filesystem::remove(client_ / "Language");
  auto result = Run({GetParam().command});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "kestrane: 找不到 Language 档 !!\n");
}

INSTANTIATE_TEST_SUITE_P(Tables, TableListingTest,
                         testing::Values(TableCase{"BIG5", "big5-table", SmallBIG5Table()},
                                         TableCase{"GB", "gb-table", SmallGBTable()}),
                         CaseName());

using ConfigTest = ToolFixture;

TEST_F(ConfigTest, PrintsTheRecordInDeclarationOrder) {
  client_.Write("VeltrimC.ini",
                "[Client Components]\r\nLangType=CHT\r\n[ProductVersion]\r\nVersion=5.1\r\n"
                "[CodePage]\r\nUICodePage=950\r\nDBCodePage=936\r\n"
                "[Server Information]\r\nSupportCallBack=yes\r\nComputerName=srvA;srvB;\r\n"
                "ServerPort=8000\r\n[WorkDLLPath]\r\na=Bin\r\nc=E:\\X\r\n");
  const std::string dir = client_.path().string() + "\\";
  auto result = RunKestrane(
      {{"config", "--client-dir", client_.path().string()}, {}, {{"KESTRANE_ACP", "936"}}});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "ClientPath=" + dir + "\nProfilePath=" + dir +
                            "\nProfileType=\nUserName=Default\nUICodePage=950\nDBCodePage=936\n"
                            "SysCodePage=936\nUIConvertMode=2\nDBConvertMode=2\n"
                            "SupportCallBack=true\nIniFileName=" +
                            dir + "VeltrimC.ini\nServers=srvA:8000\nServers=srvB:8000\n" +
                            "ErrorCode=\nLangType=CHT\nWorkDLLPaths=" + dir +
                            "Bin\\\nWorkDLLPaths=E:\\X\\\nVersion=5.1\n" +
                            "ClientPathFrom=--client-dir\n");
}

using ClientDirectoryTest = ToolFixture;

TEST_F(ClientDirectoryTest, HostRegistryNamesTheClientDirectory) {
  const auto registry =
      client_.Write("host.reg",
                    "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Tresk\\Veltrim]\r\n"
                    "\"ClientPath\"=\"" +
                        client_.path().string() + "\"\r\n");
  auto config = RunKestrane({{"config"}, {}, {{"KESTRANE_REGISTRY", registry.string()}}});
  EXPECT_EQ(config.exitCode, 0) << config.err;
  EXPECT_THAT(config.out, StartsWith("ClientPath=" + client_.path().string() + "\\\n"));
  EXPECT_THAT(config.out, HasSubstr("\nClientPathFrom=host registry\n"));
  auto converted =
      RunKestrane({{"gb2big5"}, std::string(kGBGuo), {{"KESTRANE_REGISTRY", registry.string()}}});
  EXPECT_EQ(converted.out, kBIG5Guo);
}

TEST_F(ClientDirectoryTest, ClientDirectoryOptionOverridesTheHostRegistry) {
  TempDir other;
  const auto registry =
      client_.Write("host.reg",
                    "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Tresk\\Veltrim]\r\n"
                    "\"ClientPath\"=\"" +
                        other.path().string() + "\"\r\n");
  auto result = RunKestrane({{"--client-dir", client_.path().string(), "gb2big5"},
                             std::string(kGBGuo),
                             {{"KESTRANE_REGISTRY", registry.string()}}});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, kBIG5Guo);
}

struct FolderNameCase {
  std::string name;
  std::string ansiCodePage;
  int exitCode;
  std::string out;
};

class ClientFolderNameTest : public ToolFixture,
                             public testing::WithParamInterface<FolderNameCase> {};

// The product's paths are in the ANSI code page: a folder name must be representable in it.
TEST_P(ClientFolderNameTest, ChineseFolderNameNeedsAChineseCodePage) {
  const auto folder = client_ / "中文";
  std::filesystem::create_directory(folder);
  std::filesystem::copy_file(client_ / "Language", folder / "Language");
  auto result = RunKestrane({{"--client-dir", folder.string(), "gb2big5"},
                             std::string(kGBGuo),
                             {{"KESTRANE_ACP", GetParam().ansiCodePage}}});
  EXPECT_EQ(result.exitCode, GetParam().exitCode) << result.err;
  EXPECT_EQ(result.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(CodePages, ClientFolderNameTest,
                         testing::Values(FolderNameCase{"GB", "936", 0, std::string(kBIG5Guo)},
                                         FolderNameCase{"Western", "1252", 2, ""}),
                         CaseName());

// Without --client-dir and without a host registry the tool uses the table it ships with.
TEST(ShippedTableTest, ConvertsWithoutAnyConfiguration) {
  auto result = RunKestrane({{"--utf8", "gb2big5"}, "国家\n", {}});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "國家\n");
}

TEST(ShippedTableTest, ConfigTellsWhereTheClientDirectoryComesFrom) {
  auto result = RunKestrane({{"config"}, {}, {}});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("\nClientPathFrom=shipped table\n"));
}

TEST(ShippedTableTest, SaveOrderLeavesTheShippedTableAlone) {
  auto result = RunKestrane({{"save-order", "\xA4\xA4", "B0A1", "\xB0\xA1", "A4A4"}, {}, {}});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_THAT(result.err, HasSubstr("shipped table"));
}

}  // namespace
}  // namespace kestrane::test
