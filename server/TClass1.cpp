#include "server/TClass1.h"

#include <string>

#include "core/MappingEdit.h"
#include "core/TableFile.h"
#include "core/Tables.h"
#include "platform/CodePage.h"
#include "platform/Platform.h"
#include "server/AutomationError.h"
#include "server/LibraryVersion.h"
#include "server/MethodBoundary.h"

namespace kestrane::server {
namespace {

// An out value arrives uninitialised: overwrite it, never release it.
void ResetOut(VARIANT* out) noexcept {
  if (out != nullptr) InitVariant(out);
}

template <typename T>
T& Required(T* pointer, const char* name) {
  if (pointer == nullptr) {
    throw AutomationError(E_POINTER, std::string("The parameter ") + name + " is a null pointer");
  }
  return *pointer;
}

// The bytes the core works on: the argument's text narrowed with the ANSI code page.
std::string ArgumentBytes(unsigned codePage, const VARIANT* argument, const char* name) {
  return platform::FromUtf16(codePage, VariantToText(Required(argument, name)));
}

// The core's bytes carried in a BSTR as if they were text of the ANSI code page.
void StoreBytes(unsigned codePage, VARIANT* out, const char* name, std::string_view bytes) {
  MakeText(&Required(out, name), platform::ToUtf16(codePage, bytes));
}

void StoreBool(VARIANT* out, const char* name, bool value) {
  MakeBool(&Required(out, name), value);
}

// A table never loaded stays the empty variant.
HRESULT HandOutTable(core::Table (*get)(), VARIANT* xReturData) {
  ResetOut(xReturData);
  return AtMethodBoundary([&] {
    const core::Table table = get();
    VARIANT& result = Required(xReturData, "xReturData");
    if (table) MakeIntArray(&result, *table);
  });
}

HRESULT ConvertArgument(std::string (*convert)(std::string_view), VARIANT* xInData,
                        VARIANT* xOutData) {
  ResetOut(xOutData);
  return AtMethodBoundary([&] {
    const unsigned codePage = platform::Current().AnsiCodePage();
    const std::string text = ArgumentBytes(codePage, xInData, "xInData");
    StoreBytes(codePage, xOutData, "xOutData", convert(text));
  });
}

}  // namespace

HRESULT TClass1::ReLoad(VARIANT* xResult) {
  ResetOut(xResult);
  return AtMethodBoundary([&] { StoreBool(xResult, "xResult", core::LoadLanguage()); });
}

HRESULT TClass1::GetBIG5Data(VARIANT* xReturData) {
  return HandOutTable(core::GetBIG5Table, xReturData);
}

HRESULT TClass1::GetGBData(VARIANT* xReturData) {
  return HandOutTable(core::GetGBTable, xReturData);
}

HRESULT TClass1::GBtoBIG5(VARIANT* xInData, VARIANT* xOutData) {
  return ConvertArgument(core::ConvertGBtoBIG5, xInData, xOutData);
}

HRESULT TClass1::BIG5toGB(VARIANT* xInData, VARIANT* xOutData) {
  return ConvertArgument(core::ConvertBIG5toGB, xInData, xOutData);
}

HRESULT TClass1::SaveOrder(VARIANT* xBIG5Char, VARIANT* xBIG5Code, VARIANT* xGBChar,
                           VARIANT* xGBCode, VARIANT* xResultData) {
  ResetOut(xResultData);
  return AtMethodBoundary([&] {
    const unsigned codePage = platform::Current().AnsiCodePage();
    // Last argument first: of several bad arguments, clients are told about the last one.
    const std::string gbCode = ArgumentBytes(codePage, xGBCode, "xGBCode");
    const std::string gbChar = ArgumentBytes(codePage, xGBChar, "xGBChar");
    const std::string big5Code = ArgumentBytes(codePage, xBIG5Code, "xBIG5Code");
    const std::string big5Char = ArgumentBytes(codePage, xBIG5Char, "xBIG5Char");
    StoreBool(xResultData, "xResultData", core::SaveCodeOrder(big5Char, big5Code, gbChar, gbCode));
  });
}

HRESULT TClass1::DisConnect() {
  return S_OK;
}

HRESULT TClass1::Version(BSTR* Value) {
  if (Value != nullptr) *Value = nullptr;
  return AtMethodBoundary([&] {
    const std::string text =
        std::to_string(kLibraryMajorVersion) + "." + std::to_string(kLibraryMinorVersion);
    BSTR& out = Required(Value, "Value");
    out = AllocText(std::u16string(text.begin(), text.end()));
  });
}

}  // namespace kestrane::server
