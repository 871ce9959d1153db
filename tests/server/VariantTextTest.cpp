// The portable variant-to-text conversion against what OLE's VariantChangeType gives for the
// same values with US English settings.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "server/AutomationError.h"
#include "server/OwnedValues.h"
#include "server/Variant.h"
#include "support/CaseName.h"

namespace kestrane::server {
namespace {

template <typename T>
VARIANT Holding(VARTYPE vt, T VARIANT::*member, T value) {
  VARIANT variant{};
  variant.vt = vt;
  variant.*member = value;
  return variant;
}

VARIANT OfType(VARTYPE vt) {
  return Holding(vt, &VARIANT::llVal, std::int64_t{0});
}
VARIANT Real(double value) {
  return Holding(VT_R8, &VARIANT::dblVal, value);
}
VARIANT Date(double value) {
  return Holding(VT_DATE, &VARIANT::date, value);
}
VARIANT Currency(std::int64_t scaled) {
  return Holding(VT_CY, &VARIANT::cyVal, CY{scaled});
}

// Targets of the by-reference cases, and strings, live as long as the test program.
std::int32_t referencedLong = 42;
double referencedDate = 1.5;
const OwnedText kZeroInside(AllocText(std::u16string(u"a\0b", 3)));
BSTR referencedText = kZeroInside.get();
VARIANT referencedShort = Holding(VT_I2, &VARIANT::iVal, std::int16_t{-3});
VARIANT referencedNull = OfType(VT_NULL);
VARIANT referencedReference = Holding(VT_BYREF | VT_VARIANT, &VARIANT::pvarVal, &referencedShort);

struct TextCase {
  const char* name;
  VARIANT value;
  std::u16string text;
};

class VariantTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(VariantTextTest, ConvertsAsOleDoes) {
  EXPECT_EQ(VariantToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, VariantTextTest,
    testing::Values(
        TextCase{"empty", OfType(VT_EMPTY), u""},
        TextCase{"nullString", Holding(VT_BSTR, &VARIANT::bstrVal, BSTR{}), u""},
        TextCase{"stringWithZero", Holding(VT_BSTR, &VARIANT::bstrVal, referencedText),
                 std::u16string(u"a\0b", 3)},
        TextCase{"char", Holding(VT_I1, &VARIANT::cVal, static_cast<char>(-128)), u"-128"},
        TextCase{"byte", Holding(VT_UI1, &VARIANT::bVal, std::uint8_t{255}), u"255"},
        TextCase{"short", Holding(VT_I2, &VARIANT::iVal, std::int16_t{-32768}), u"-32768"},
        TextCase{"ushort", Holding(VT_UI2, &VARIANT::uiVal, std::uint16_t{65535}), u"65535"},
        TextCase{"long", Holding(VT_I4, &VARIANT::lVal, 12), u"12"},
        TextCase{"ulong", Holding(VT_UI4, &VARIANT::ulVal, 4000000000U), u"4000000000"},
        TextCase{"longlong",
                 Holding(VT_I8, &VARIANT::llVal, std::numeric_limits<std::int64_t>::min()),
                 u"-9223372036854775808"},
        TextCase{"ulonglong",
                 Holding(VT_UI8, &VARIANT::ullVal, std::numeric_limits<std::uint64_t>::max()),
                 u"18446744073709551615"},
        TextCase{"int", Holding(VT_INT, &VARIANT::intVal, -7), u"-7"},
        TextCase{"uint", Holding(VT_UINT, &VARIANT::uintVal, 4000000000U), u"4000000000"},
        TextCase{"true", Holding(VT_BOOL, &VARIANT::boolVal, VARIANT_TRUE), u"True"},
        TextCase{"nonzeroIsTrue", Holding(VT_BOOL, &VARIANT::boolVal, VARIANT_BOOL{1}), u"True"},
        TextCase{"false", Holding(VT_BOOL, &VARIANT::boolVal, VARIANT_FALSE), u"False"},
        TextCase{"double", Real(1.5), u"1.5"}, TextCase{"doubleTenth", Real(0.1), u"0.1"},
        TextCase{"doubleNegativeZero", Real(-0.0), u"0"},
        TextCase{"doubleFifteenDigits", Real(1.0 / 3), u"0.333333333333333"},
        TextCase{"doubleLargestFixed", Real(999999999999999.0), u"999999999999999"},
        TextCase{"doubleExponent", Real(1e15), u"1E+15"},
        TextCase{"doubleSmall", Real(1e-5), u"1E-05"},
        TextCase{"doubleRounded", Real(123456789012345678.0), u"1.23456789012346E+17"},
        TextCase{"single", Holding(VT_R4, &VARIANT::fltVal, 16777216.0F), u"1.677722E+07"},
        TextCase{"singleSevenDigits", Holding(VT_R4, &VARIANT::fltVal, 1.0F / 3), u"0.3333333"},
        TextCase{"currency", Currency(15000), u"1.5"},
        TextCase{"currencySmallest", Currency(-1), u"-0.0001"},
        TextCase{"currencyWhole", Currency(10000000), u"1000"},
        TextCase{"currencyMinimum", Currency(std::numeric_limits<std::int64_t>::min()),
                 u"-922337203685477.5808"},
        TextCase{"dateZeroIsATime", Date(0), u"12:00:00 AM"},
        TextCase{"dateMidnight", Date(1), u"12/31/1899"},
        TextCase{"dateNoon", Date(1.5), u"12/31/1899 12:00:00 PM"},
        TextCase{"dateMorning", Date(36526.25), u"1/1/2000 6:00:00 AM"},
        TextCase{"dateNegativeTimeCountsForward", Date(-1.5), u"12/29/1899 12:00:00 PM"},
        TextCase{"dateNegativeTimeOnly", Date(-0.25), u"6:00:00 AM"},
        TextCase{"dateRoundsToTheSecond", Date(0.000011574), u"12:00:01 AM"},
        TextCase{"dateRoundsIntoTheNextDay", Date(0.99999999), u"12/31/1899"},
        TextCase{"dateFirst", Date(-657434), u"1/1/100"},
        TextCase{"dateLast", Date(2958465.99999), u"12/31/9999 11:59:59 PM"},
        TextCase{"referencedLong", Holding(VT_BYREF | VT_I4, &VARIANT::plVal, &referencedLong),
                 u"42"},
        TextCase{"referencedDate", Holding(VT_BYREF | VT_DATE, &VARIANT::pdate, &referencedDate),
                 u"12/31/1899 12:00:00 PM"},
        TextCase{"referencedString",
                 Holding(VT_BYREF | VT_BSTR, &VARIANT::pbstrVal, &referencedText),
                 std::u16string(u"a\0b", 3)},
        TextCase{"referencedVariant",
                 Holding(VT_BYREF | VT_VARIANT, &VARIANT::pvarVal, &referencedShort), u"-3"}),
    test::CaseName());

struct RefusalCase {
  const char* name;
  VARIANT value;
  HRESULT result;
};

class VariantRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(VariantRefusalTest, FailsAsOleDoes) {
  try {
    VariantToText(GetParam().value);
    ADD_FAILURE() << "converted";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.result(), GetParam().result);
    EXPECT_NE(std::string(error.what()), "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, VariantRefusalTest,
    testing::Values(
        RefusalCase{"null", OfType(VT_NULL), DISP_E_TYPEMISMATCH},
        RefusalCase{"error", OfType(VT_ERROR), DISP_E_TYPEMISMATCH},
        RefusalCase{"object", OfType(VT_UNKNOWN), DISP_E_TYPEMISMATCH},
        RefusalCase{"array", OfType(VT_ARRAY | VT_VARIANT), DISP_E_TYPEMISMATCH},
        RefusalCase{"bareVariant", OfType(VT_VARIANT), DISP_E_TYPEMISMATCH},
        RefusalCase{"unknownType", OfType(15), DISP_E_BADVARTYPE},
        RefusalCase{"referenceToNothing", OfType(VT_BYREF | VT_I4), DISP_E_TYPEMISMATCH},
        RefusalCase{"referenceToEmpty", OfType(VT_BYREF | VT_EMPTY), DISP_E_BADVARTYPE},
        RefusalCase{"referencedNull",
                    Holding(VT_BYREF | VT_VARIANT, &VARIANT::pvarVal, &referencedNull),
                    DISP_E_TYPEMISMATCH},
        RefusalCase{"referenceToAReference",
                    Holding(VT_BYREF | VT_VARIANT, &VARIANT::pvarVal, &referencedReference),
                    E_INVALIDARG},
        RefusalCase{"dateAfter9999", Date(2958466), E_INVALIDARG},
        RefusalCase{"dateBefore100", Date(-657435), E_INVALIDARG},
        RefusalCase{"dateNaN", Date(std::nan("")), E_INVALIDARG}),
    test::CaseName());

}  // namespace
}  // namespace kestrane::server
