#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/TableFile.h"
#include "core/TableText.h"

namespace kestrane::core {
namespace {

struct FieldCase {
  std::string text;
  std::string sep;
  int n;
  std::string field;
};

class GetFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(GetFieldTest, ReturnsTheNthField) {
  const auto& [text, sep, n, field] = GetParam();
  EXPECT_EQ(GetField(text, sep, n), field);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, GetFieldTest,
    testing::Values(FieldCase{"BIG5Order[0]=$2020", "=", 2, "$2020"},
                    FieldCase{"a=b=c", "=", 2, "b"}, FieldCase{"a=b=c", "=", 3, "c"},
                    FieldCase{"abc", "=", 2, ""}, FieldCase{"abc", "=", 1, "abc"},
                    FieldCase{"a=", "=", 2, ""}, FieldCase{"=b", "=", 1, ""},
                    FieldCase{"", "=", 1, ""}, FieldCase{"a==b", "==", 2, "b"}));

struct HexCase {
  std::string text;
  int code;  // -1: rejected
};

class HexToCodeTest : public testing::TestWithParam<HexCase> {};

TEST_P(HexToCodeTest, ReadsFourDigitsAfterTheFirstCharacter) {
  const auto& [text, code] = GetParam();
  if (code < 0) {
    EXPECT_THROW(HexToCode(text), ConversionError);
  } else {
    EXPECT_EQ(HexToCode(text), code);
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, HexToCodeTest,
                         testing::Values(HexCase{"$A1A1", 0xA1A1}, HexCase{"$2020", 0x2020},
                                         HexCase{"$0000", 0}, HexCase{"$FFFF", 0xFFFF},
                                         HexCase{"XB0A1", 0xB0A1}, HexCase{"$B0A1FF", 0xB0A1},
                                         HexCase{"$a1a1", -1}, HexCase{"$B0A", -1},
                                         HexCase{"$$B0A1", -1}, HexCase{"$ 0A1", -1},
                                         HexCase{"", -1}, HexCase{"$B0G1", -1},
                                         HexCase{"$+0A1", -1}));

// The loader's quick reading gives what the general one gives, or leaves the line to it.
class WellFormedValueCodeTest : public testing::TestWithParam<std::string> {};

TEST_P(WellFormedValueCodeTest, AgreesWithTheSecondFieldReadAsACode) {
  const std::string& line = GetParam();
  std::optional<Code> general;
  try {
    general = HexToCode(GetFieldView(line, "=", 2));
  } catch (const ConversionError&) {
  }
  EXPECT_EQ(WellFormedValueCode(line), general);
}

INSTANTIATE_TEST_SUITE_P(Lines, WellFormedValueCodeTest,
                         testing::Values("GBOrder[0]=$A1A1", "BIG5Order[9]=$2020x", "=$0000",
                                         "key=X00FF", "key=$A1A1=more", "key==$A1A1",
                                         "key=$A1A=", "key=$A1=1", "key=$A1A", "key=$a1a1",
                                         "key=", "key", "", "key=$A1A1\r", "BIG5Order[14757]=$A3BF",
                                         "\xBD\xBC<>>key123456=$B0A1", "BIG5Order[14757]$A3BF"));

TEST(CodeToHexTest, DollarAndFourUppercaseDigits) {
  EXPECT_EQ(CodeToHex(0xA1A1), "$A1A1");
  EXPECT_EQ(CodeToHex(0x2020), "$2020");
  EXPECT_EQ(CodeToHex(0x000F), "$000F");
  for (int code = 0; code <= 0xFFFF; code += 257) {
    EXPECT_EQ(HexToCode(CodeToHex(static_cast<Code>(code))), code);
  }
}

}  // namespace
}  // namespace kestrane::core
