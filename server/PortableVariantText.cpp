// The portable variant-to-text conversion, following OLE's VariantChangeType to a string with
// US English formats and "True"/"False" for booleans.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <string>

#include "server/AutomationError.h"
#include "server/PortableDateText.h"
#include "server/Variant.h"
#include "server/VariantTypeName.h"

namespace kestrane::server {
namespace {

[[noreturn]] void Refuse(HRESULT result, VARTYPE vt) {
  throw AutomationError(result, NoTextFormMessage(vt));
}

std::u16string Widened(std::string_view ascii) {
  return {ascii.begin(), ascii.end()};
}

template <typename Integer>
std::u16string DecimalText(Integer value) {
  char text[24];
  const auto end = std::to_chars(std::begin(text), std::end(text), value).ptr;
  return Widened({text, end});
}

// printf's "%.<digits>G": OLE shows 15 significant digits of a double and 7 of a float.
template <typename Real>
std::u16string RealText(Real value, int digits) {
  if (value == 0) return u"0";  // also for -0
  char text[32];
  const auto end =
      std::to_chars(std::begin(text), std::end(text), value, std::chars_format::general, digits)
          .ptr;
  std::transform(text, end, text, [](char c) { return static_cast<char>(std::toupper(c)); });
  return Widened({text, end});
}

// Up to four decimals, without trailing zeros.
std::u16string CurrencyText(std::int64_t scaled) {
  const std::uint64_t magnitude =
      scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  std::u16string text = (scaled < 0 ? u"-" : u"") + DecimalText(magnitude / 10000);
  std::uint64_t fraction = magnitude % 10000;
  if (fraction == 0) return text;
  std::u16string decimals = DecimalText(fraction + 10000).substr(1);
  decimals.erase(decimals.find_last_not_of(u'0') + 1);
  return text + u"." + decimals;
}

std::u16string DateText(DATE date) {
  auto text = OleDateText(date);
  if (!text) {
    throw AutomationError(E_INVALIDARG,
                          "a Date value outside 1/1/100 to 12/31/9999 cannot be converted to text");
  }
  return Widened(*text);
}

// The value of a variant held in it or, by reference, behind its pointer.
template <typename T>
T Held(const VARIANT& value, T VARIANT::*direct, T* VARIANT::*reference) {
  if ((value.vt & VT_BYREF) == 0) return value.*direct;
  if (value.*reference == nullptr) Refuse(DISP_E_TYPEMISMATCH, value.vt);
  return *(value.*reference);
}

// A by-reference variant: OLE follows one such reference, not two.
std::u16string ReferencedVariantText(const VARIANT& value) {
  if (value.vt != (VT_BYREF | VT_VARIANT) || value.pvarVal == nullptr) {
    Refuse(DISP_E_TYPEMISMATCH, value.vt);
  }
  if (value.pvarVal->vt == (VT_BYREF | VT_VARIANT)) Refuse(E_INVALIDARG, value.pvarVal->vt);
  return VariantToText(*value.pvarVal);
}

}  // namespace

std::u16string VariantToText(const VARIANT& value) {
  const bool byRef = (value.vt & VT_BYREF) != 0;
  if ((value.vt & VT_ARRAY) != 0) Refuse(DISP_E_TYPEMISMATCH, value.vt);
  switch (value.vt & VT_TYPEMASK) {
    case VT_EMPTY:
      if (byRef) Refuse(DISP_E_BADVARTYPE, value.vt);
      return u"";
    case VT_NULL:
      Refuse(byRef ? DISP_E_BADVARTYPE : DISP_E_TYPEMISMATCH, value.vt);
    case VT_I1:
      return DecimalText(static_cast<signed char>(Held(value, &VARIANT::cVal, &VARIANT::pcVal)));
    case VT_UI1:
      return DecimalText(Held(value, &VARIANT::bVal, &VARIANT::pbVal));
    case VT_I2:
      return DecimalText(Held(value, &VARIANT::iVal, &VARIANT::piVal));
    case VT_UI2:
      return DecimalText(Held(value, &VARIANT::uiVal, &VARIANT::puiVal));
    case VT_I4:
      return DecimalText(Held(value, &VARIANT::lVal, &VARIANT::plVal));
    case VT_UI4:
      return DecimalText(Held(value, &VARIANT::ulVal, &VARIANT::pulVal));
    case VT_I8:
      return DecimalText(Held(value, &VARIANT::llVal, &VARIANT::pllVal));
    case VT_UI8:
      return DecimalText(Held(value, &VARIANT::ullVal, &VARIANT::pullVal));
    case VT_INT:
      return DecimalText(Held(value, &VARIANT::intVal, &VARIANT::pintVal));
    case VT_UINT:
      return DecimalText(Held(value, &VARIANT::uintVal, &VARIANT::puintVal));
    case VT_R4:
      return RealText(Held(value, &VARIANT::fltVal, &VARIANT::pfltVal), 7);
    case VT_R8:
      return RealText(Held(value, &VARIANT::dblVal, &VARIANT::pdblVal), 15);
    case VT_CY:
      return CurrencyText(Held(value, &VARIANT::cyVal, &VARIANT::pcyVal).int64);
    case VT_DATE:
      return DateText(Held(value, &VARIANT::date, &VARIANT::pdate));
    case VT_BOOL:
      return Held(value, &VARIANT::boolVal, &VARIANT::pboolVal) != VARIANT_FALSE ? u"True"
                                                                                 : u"False";
    case VT_BSTR:
      return std::u16string(TextOf(Held(value, &VARIANT::bstrVal, &VARIANT::pbstrVal)));
    case VT_VARIANT:
      return ReferencedVariantText(value);
    case VT_ERROR:
    case VT_DISPATCH:
    case VT_UNKNOWN:
    case VT_RECORD:
      Refuse(DISP_E_TYPEMISMATCH, value.vt);
    default:
      Refuse(DISP_E_BADVARTYPE, value.vt);
  }
}

}  // namespace kestrane::server
