#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ServerFixture.h"
#include "core/Messages.h"
#include "core/TableFile.h"
#include "core/Tables.h"
#include "server/OwnedValues.h"
#include "server/TClass1.h"
#include "support/CaseName.h"

namespace kestrane::server {
namespace {

using test::AnsiBytes;
using test::AnsiText;
using test::IntElements;
using test::UpperBound;

// GB B0 A1 (index 1410) and BIG5 A4 A4 (index 537) are the same character.
std::vector<core::Code> BIG5Mapped() {
  std::vector<core::Code> table(538, 0x2020);
  table[537] = 0xB0A1;
  return table;
}
std::vector<core::Code> GBMapped() {
  std::vector<core::Code> table(1411, 0x2020);
  table[1410] = 0xA4A4;
  return table;
}

class Class1Test : public test::ServerFixture {};

TEST_F(Class1Test, ReLoadReplacesBothTables) {
  WriteTables({0x0001}, {0x0041});
  EXPECT_EQ(GBData(), std::vector<std::int32_t>{0x0041});
  WriteTables({0x0002}, {0x0042, 0x0043});

  OwnedVariant result;
  EXPECT_EQ(object_.ReLoad(result.get()), S_OK);
  EXPECT_EQ(result->vt, VT_BOOL);
  EXPECT_EQ(result->boolVal, VARIANT_TRUE);
  EXPECT_EQ(GBData(), (std::vector<std::int32_t>{0x0042, 0x0043}));
  EXPECT_TRUE(platform_.messages().empty());
}

TEST_F(Class1Test, ReLoadWithoutTheFileSaysSoAndKeepsTheTables) {
  WriteTables({0x0001}, {0x0041});
  EXPECT_EQ(GBData(), std::vector<std::int32_t>{0x0041});
  std::filesystem::remove(dir_ / "Language");

  OwnedVariant result;
  EXPECT_EQ(object_.ReLoad(result.get()), S_OK);
  EXPECT_EQ(result->vt, VT_BOOL);
  EXPECT_EQ(result->boolVal, VARIANT_FALSE);
  EXPECT_EQ(platform_.TakeMessages(),
            std::vector<std::string>{std::string(core::kLanguageNotFound)});
  EXPECT_EQ(GBData(), std::vector<std::int32_t>{0x0041});
}

struct ConversionCase {
  const char* name;
  HRESULT (TClass1::*method)(VARIANT*, VARIANT*);
  void (*makeInput)(VARIANT*);
  std::string output;  // as bytes of the ANSI code page
};

class ConversionTest : public test::ServerFixture,
                       public testing::WithParamInterface<ConversionCase> {};

TEST_P(ConversionTest, ConvertsTheTextOfTheArgument) {
  WriteTables(BIG5Mapped(), GBMapped());
  OwnedVariant input;
  OwnedVariant output;
  GetParam().makeInput(input.get());
  EXPECT_EQ((object_.*GetParam().method)(input.get(), output.get()), S_OK);
  EXPECT_EQ(AnsiBytes(*output), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ConversionTest,
    testing::Values(
        ConversionCase{"integer", &TClass1::GBtoBIG5, [](VARIANT* in) { MakeInt(in, 12); }, "12"},
        ConversionCase{"emptyString", &TClass1::GBtoBIG5, [](VARIANT* in) { MakeText(in, u""); },
                       ""},
        ConversionCase{"emptyVariant", &TClass1::GBtoBIG5, [](VARIANT*) {}, ""},
        ConversionCase{"boolean", &TClass1::BIG5toGB, [](VARIANT* in) { MakeBool(in, true); },
                       "True"},
        ConversionCase{"gbCharacter", &TClass1::GBtoBIG5,
                       [](VARIANT* in) { MakeText(in, AnsiText("A\xB0\xA1")); }, "A\xA4\xA4"},
        ConversionCase{"big5Character", &TClass1::BIG5toGB,
                       [](VARIANT* in) { MakeText(in, AnsiText("\xA4\xA4z")); }, "\xB0\xA1z"}),
    test::CaseName());

struct TableCase {
  const char* name;
  HRESULT (TClass1::*method)(VARIANT*);
  const char* file;
  std::vector<std::int32_t> codes;
};

class TableTest : public test::ServerFixture, public testing::WithParamInterface<TableCase> {};

TEST_P(TableTest, FirstCallLoadsAndHandsOutTheWholeTable) {
  WriteLanguage(GetParam().file);
  OwnedVariant table;
  EXPECT_EQ((object_.*GetParam().method)(table.get()), S_OK);
  EXPECT_EQ(UpperBound(*table), static_cast<std::int32_t>(GetParam().codes.size()) - 1);
  EXPECT_EQ(IntElements(*table), GetParam().codes);
}

constexpr const char* kTwoAndThree =
    "[BIG5]\r\nBIG5Order[0]=$B0A1\r\nBIG5Order[1]=$2020\r\n"
    "[GB]\r\nGBOrder[0]=$A4A4\r\nGBOrder[1]=$0041\r\nGBOrder[2]=$FFFF\r\n";
constexpr const char* kNoEntries = "[BIG5]\r\n[GB]\r\n";

INSTANTIATE_TEST_SUITE_P(
    Tables, TableTest,
    testing::Values(TableCase{"big5", &TClass1::GetBIG5Data, kTwoAndThree, {0xB0A1, 0x2020}},
                    TableCase{"gb", &TClass1::GetGBData, kTwoAndThree, {0xA4A4, 0x0041, 0xFFFF}},
                    TableCase{"big5WithoutEntries", &TClass1::GetBIG5Data, kNoEntries, {}},
                    TableCase{"gbWithoutEntries", &TClass1::GetGBData, kNoEntries, {}}),
    test::CaseName());

TEST_F(Class1Test, TablesWithoutAFileAreEmptyVariants) {
  OwnedVariant big5;
  OwnedVariant gb;
  EXPECT_EQ(object_.GetBIG5Data(big5.get()), S_OK);
  EXPECT_EQ(object_.GetGBData(gb.get()), S_OK);
  EXPECT_EQ(big5->vt, VT_EMPTY);
  EXPECT_EQ(gb->vt, VT_EMPTY);
  // Still never loaded, so each call looks for the file again.
  EXPECT_EQ(platform_.TakeMessages().size(), 2U);
}

TEST_F(Class1Test, ObjectsShareTheTables) {
  WriteLanguage(kNoEntries);
  TClass1 editor;
  TClass1 reader;
  OwnedVariant big5Char, big5Code, gbChar, gbCode, saved;
  MakeText(big5Char.get(), AnsiText("\xA4\xA4"));
  MakeText(big5Code.get(), u"A4A4");
  MakeText(gbChar.get(), AnsiText("\xB0\xA1"));
  MakeText(gbCode.get(), u"B0A1");
  ASSERT_EQ(
      editor.SaveOrder(big5Char.get(), big5Code.get(), gbChar.get(), gbCode.get(), saved.get()),
      S_OK);
  EXPECT_EQ(saved->boolVal, VARIANT_TRUE);

  OwnedVariant big5;
  OwnedVariant gb;
  EXPECT_EQ(reader.GBtoBIG5(gbChar.get(), big5.get()), S_OK);
  EXPECT_EQ(reader.BIG5toGB(big5Char.get(), gb.get()), S_OK);
  EXPECT_EQ(AnsiBytes(*big5), "\xA4\xA4");
  EXPECT_EQ(AnsiBytes(*gb), "\xB0\xA1");
}

struct KeywordCase {
  const char* name;
  const char* codePage;
  bool saved;
  std::int32_t gbSlot;  // GBTable[1410] afterwards
};

class ClearKeywordTest : public test::ServerFixture,
                         public testing::WithParamInterface<KeywordCase> {};

// The keyword is matched as code page 936 bytes after the client's text is narrowed with the
// system code page; elsewhere it is an invalid code, and the failed edit is rolled back.
TEST_P(ClearKeywordTest, IsRecognisedOnlyUnderCodePage936) {
  UseAnsiCodePage(GetParam().codePage);
  WriteTables(BIG5Mapped(), GBMapped());
  OwnedVariant big5Char, big5Code, gbChar, gbCode, saved;
  MakeText(big5Char.get(), AnsiText("\xA4\xA4"));
  MakeText(big5Code.get(), u"清空");
  MakeText(gbChar.get(), AnsiText("\xB0\xA1"));
  MakeText(gbCode.get(), u"B0A1");

  EXPECT_EQ(
      object_.SaveOrder(big5Char.get(), big5Code.get(), gbChar.get(), gbCode.get(), saved.get()),
      S_OK);
  EXPECT_EQ(saved->vt, VT_BOOL);
  EXPECT_EQ(saved->boolVal, GetParam().saved ? VARIANT_TRUE : VARIANT_FALSE);
  EXPECT_EQ(platform_.TakeMessages().empty(), GetParam().saved);
  EXPECT_EQ(GBData().at(1410), GetParam().gbSlot);
}

INSTANTIATE_TEST_SUITE_P(CodePages, ClearKeywordTest,
                         testing::Values(KeywordCase{"cp936", "936", true, 0x2020},
                                         KeywordCase{"cp1252", "1252", false, 0xA4A4},
                                         KeywordCase{"cp950", "950", false, 0xA4A4}),
                         test::CaseName());

// A call on an object whose table file cannot be loaded, with its out value.
struct FailingCall {
  const char* name;
  HRESULT (*call)(TClass1&, VARIANT* out);
};

class LoadErrorTest : public test::ServerFixture,
                      public testing::WithParamInterface<FailingCall> {};

TEST_P(LoadErrorTest, FailsWithTheLoadersMessageAndAnEmptyResult) {
  WriteLanguage("[BIG5]\r\n[GB]\r\nGBOrder[0]=$a1a1\r\n");
  std::string loaderMessage;
  try {
    core::LoadLanguage();
  } catch (const std::exception& error) {
    loaderMessage = error.what();
  }
  ASSERT_FALSE(loaderMessage.empty());
  core::ReleaseTables();

  // The out value arrives holding something the method must not release.
  OwnedText stale(AllocText(u"stale"));
  VARIANT out;
  out.vt = VT_BSTR;
  out.bstrVal = stale.get();
  const HRESULT result = GetParam().call(object_, &out);
  EXPECT_TRUE(FAILED(result));
  EXPECT_EQ(out.vt, VT_EMPTY);
  EXPECT_EQ(TakeErrorDescription(), AnsiText(loaderMessage));
}

INSTANTIATE_TEST_SUITE_P(
    Methods, LoadErrorTest,
    testing::Values(
        FailingCall{"ReLoad", [](TClass1& o, VARIANT* out) { return o.ReLoad(out); }},
        FailingCall{"GetBIG5Data", [](TClass1& o, VARIANT* out) { return o.GetBIG5Data(out); }},
        FailingCall{"GetGBData", [](TClass1& o, VARIANT* out) { return o.GetGBData(out); }},
        FailingCall{"GBtoBIG5",
                    [](TClass1& o, VARIANT* out) {
                      OwnedVariant in;
                      return o.GBtoBIG5(in.get(), out);
                    }},
        FailingCall{"BIG5toGB",
                    [](TClass1& o, VARIANT* out) {
                      OwnedVariant in;
                      return o.BIG5toGB(in.get(), out);
                    }},
        FailingCall{"SaveOrder",
                    [](TClass1& o, VARIANT* out) {
                      OwnedVariant a, b, c, d;
                      return o.SaveOrder(a.get(), b.get(), c.get(), d.get(), out);
                    }}),
    test::CaseName());

TEST_F(Class1Test, ArgumentWithoutTextFormFailsBeforeTheCoreRuns) {
  OwnedVariant input;
  input->vt = VT_NULL;
  OwnedVariant output;
  EXPECT_EQ(object_.GBtoBIG5(input.get(), output.get()), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(TakeErrorDescription(), u"Cannot convert a value of type Null to text");
  EXPECT_EQ(output->vt, VT_EMPTY);
  EXPECT_TRUE(platform_.messages().empty());
}

TEST_F(Class1Test, SaveOrderConvertsItsLastArgumentFirst) {
  OwnedVariant big5Char, big5Code, gbChar, gbCode, saved;
  big5Char->vt = VT_ERROR;
  gbCode->vt = VT_NULL;
  EXPECT_EQ(
      object_.SaveOrder(big5Char.get(), big5Code.get(), gbChar.get(), gbCode.get(), saved.get()),
      DISP_E_TYPEMISMATCH);
  EXPECT_EQ(TakeErrorDescription(), u"Cannot convert a value of type Null to text");
}

struct NullPointerCase {
  const char* name;
  HRESULT (*call)(TClass1&);
  bool coreRuns;
};

class NullPointerTest : public test::ServerFixture,
                        public testing::WithParamInterface<NullPointerCase> {};

// Without a table file every core operation shows a message, which tells whether it ran.
TEST_P(NullPointerTest, FailsAfterTheCoreForOutputsAndBeforeItForInputs) {
  EXPECT_EQ(GetParam().call(object_), E_POINTER);
  EXPECT_TRUE(TakeErrorDescription().has_value());
  EXPECT_EQ(!platform_.messages().empty(), GetParam().coreRuns);
}

INSTANTIATE_TEST_SUITE_P(
    Pointers, NullPointerTest,
    testing::Values(
        NullPointerCase{"ReLoadResult", [](TClass1& o) { return o.ReLoad(nullptr); }, true},
        NullPointerCase{"GetGBDataResult", [](TClass1& o) { return o.GetGBData(nullptr); }, true},
        NullPointerCase{"GBtoBIG5Result",
                        [](TClass1& o) {
                          OwnedVariant in;
                          return o.GBtoBIG5(in.get(), nullptr);
                        },
                        true},
        NullPointerCase{"GBtoBIG5Input",
                        [](TClass1& o) {
                          OwnedVariant out;
                          return o.GBtoBIG5(nullptr, out.get());
                        },
                        false},
        NullPointerCase{"SaveOrderFirstInput",
                        [](TClass1& o) {
                          OwnedVariant b, c, d, out;
                          return o.SaveOrder(nullptr, b.get(), c.get(), d.get(), out.get());
                        },
                        false},
        NullPointerCase{"VersionResult", [](TClass1& o) { return o.Version(nullptr); }, false}),
    test::CaseName());

TEST_F(Class1Test, DisConnectAndVersionLeaveTheTablesAlone) {
  EXPECT_EQ(object_.DisConnect(), S_OK);
  BSTR version = nullptr;
  EXPECT_EQ(object_.Version(&version), S_OK);
  OwnedText owned(version);
  EXPECT_EQ(TextOf(version), u"1.0");
  EXPECT_TRUE(platform_.messages().empty());
}

}  // namespace
}  // namespace kestrane::server
