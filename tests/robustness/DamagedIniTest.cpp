// Host ini files edited by hand: repeated sections and keys, values of any length, a server
// port that is no number or out of range. The configuration reads them by the private-profile
// rules, in memory that stays in proportion to the file.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "AllocationMeter.h"
#include "NativeHostFixture.h"
#include "hostconfig/VeltrimIni.h"
#include "support/CaseName.h"

namespace kestrane::hostconfig {

bool operator==(const ServerEntry& a, const ServerEntry& b) {
  return a.name == b.name && a.port == b.port;
}

void PrintTo(const ServerEntry& server, std::ostream* out) {
  *out << "{\"" << server.name.substr(0, 40) << "\" (" << server.name.size() << " bytes), "
       << server.port << "}";
}

namespace {

constexpr std::size_t kLongValue = 1024 * 1024;
// The reader takes the file up to once per value it reads, one after the other: each time its
// sections and entries, and its longest line twice while reading it.
constexpr std::size_t kBytesPerFileByte = 8;
constexpr std::size_t kReadOverhead = 1024 * 1024;

const std::string kServer = "[Server Information]\r\n";

struct IniCase {
  const char* name;
  std::string (*file)();
  std::vector<ServerEntry> servers;
  std::string langType = "ENG";
};

void PrintTo(const IniCase& iniCase, std::ostream* out) {
  *out << iniCase.name;
}

std::string Port(const char* value) {
  return kServer + "ComputerName=srv\r\nServerPort=" + value + "\r\n";
}

class DamagedIniTest : public test::NativeHostFixture,
                       public testing::WithParamInterface<IniCase> {};

TEST_P(DamagedIniTest, ReadsByTheProfileRulesInBoundedMemory) {
  const std::string file = GetParam().file();
  WriteIni(file);
  const test::AllocationMeter meter;
  const TVeltrimIniC config;
  EXPECT_LE(meter.PeakGrowth(), kBytesPerFileByte * file.size() + kReadOverhead);
  EXPECT_EQ(config.ErrorCode, "");
  EXPECT_EQ(config.Servers, GetParam().servers);
  EXPECT_EQ(config.LangType, GetParam().langType);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedIniTest,
    testing::Values(
        // The first section and the first key of a name count, whatever the letter case.
        IniCase{"repeatedSectionsAndKeys",
                [] {
                  return kServer + "ComputerName=a;b\r\nServerPort=1\r\nServerPort=2\r\n" +
                         "[SERVER INFORMATION]\r\nComputerName=c\r\nServerPort=3\r\n" +
                         "[Client Components]\r\nLangType=CHT\r\nlangtype=CHS\r\n";
                },
                {{"a", 1}, {"b", 1}},
                "CHT"},
        IniCase{"veryLongValues",
                [] {
                  return "[Client Components]\r\nLangType=" + std::string(kLongValue, 'L') +
                         "\r\n" + kServer + "ComputerName=" + std::string(kLongValue, 'n');
                },
                {{std::string(kLongValue, 'n'), 211}},
                std::string(kLongValue, 'L')},
        IniCase{"veryLongLineWithoutEquals",
                [] { return kServer + std::string(kLongValue, 'k') + "\r\n"; },
                {{"127.0.0.1", 211}}},
        IniCase{"sectionHeaderThatNeverCloses",
                [] { return std::string("[Server Information\r\nComputerName=x\r\n"); },
                {{"127.0.0.1", 211}}},
        // A port is read as GetPrivateProfileInt reads it: the leading decimal digits with an
        // optional sign, modulo 2^32; no digits give 0, and an empty value the default.
        IniCase{"portThatIsNoNumber", [] { return Port("port"); }, {{"srv", 0}}},
        IniCase{"portWithTextAfterTheDigits", [] { return Port("80x0"); }, {{"srv", 80}}},
        IniCase{"portThatIsEmpty", [] { return Port(""); }, {{"srv", 211}}},
        IniCase{"portAboveTheTcpRange", [] { return Port("70000"); }, {{"srv", 70000}}},
        IniCase{"portBelowZero", [] { return Port("-1"); }, {{"srv", -1}}},
        IniCase{"portBeyond32Bits", [] { return Port("4294967297"); }, {{"srv", 1}}},
        IniCase{"portOfTwentyDigits",
                [] { return Port("99999999999999999999"); },
                {{"srv", 1661992959}}}),
    test::CaseName());

}  // namespace
}  // namespace kestrane::hostconfig
