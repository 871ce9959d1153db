#include "server/LateBinding.h"

#include <algorithm>

#include "server/OwnedValues.h"

namespace kestrane::server {
namespace {

char16_t AsciiLower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

bool SameName(std::u16string_view given, std::string_view name) {
  return std::equal(given.begin(), given.end(), name.begin(), name.end(), [](char16_t a, char b) {
    return AsciiLower(a) == AsciiLower(static_cast<char16_t>(b));
  });
}

HRESULT CallVersion(TClass1& object, VARIANT* result) {
  BSTR text = nullptr;
  const HRESULT outcome = object.Version(&text);
  OwnedText owned(text);
  if (SUCCEEDED(outcome)) {
    result->bstrVal = owned.release();
    result->vt = VT_BSTR;
  }
  return outcome;
}

HRESULT Call(TClass1& object, DispId id, std::span<VARIANT> arguments, VARIANT* result) {
  switch (id) {
    case DispId::ReLoad:
      return object.ReLoad(result);
    case DispId::GetBIG5Data:
      return object.GetBIG5Data(result);
    case DispId::GetGBData:
      return object.GetGBData(result);
    case DispId::GBtoBIG5:
      return object.GBtoBIG5(&arguments[0], result);
    case DispId::BIG5toGB:
      return object.BIG5toGB(&arguments[0], result);
    case DispId::SaveOrder:
      return object.SaveOrder(&arguments[0], &arguments[1], &arguments[2], &arguments[3], result);
    case DispId::DisConnect:
      return object.DisConnect();
    case DispId::Version:
      return CallVersion(object, result);
  }
  return DISP_E_MEMBERNOTFOUND;
}

}  // namespace

const MethodInfo* FindMethod(std::u16string_view name) {
  auto found = std::find_if(kMethods.begin(), kMethods.end(),
                            [&](const MethodInfo& method) { return SameName(name, method.name); });
  return found == kMethods.end() ? nullptr : &*found;
}

const MethodInfo* FindMethod(DISPID id) {
  auto found = std::find_if(kMethods.begin(), kMethods.end(), [&](const MethodInfo& method) {
    return static_cast<DISPID>(method.id) == id;
  });
  return found == kMethods.end() ? nullptr : &*found;
}

HRESULT Invoke(TClass1& object, DISPID id, std::span<VARIANT> arguments, VARIANT* result,
               DispatchException* exception) {
  const MethodInfo* method = FindMethod(id);
  if (method == nullptr) return DISP_E_MEMBERNOTFOUND;
  if (arguments.size() != method->inputCount) return DISP_E_BADPARAMCOUNT;
  OwnedVariant discarded;
  const HRESULT outcome =
      Call(object, method->id, arguments, result != nullptr ? result : discarded.get());
  if (SUCCEEDED(outcome)) return outcome;
  const auto description = TakeErrorDescription();
  if (exception != nullptr) *exception = {outcome, description.value_or(u"")};
  return DISP_E_EXCEPTION;
}

}  // namespace kestrane::server
