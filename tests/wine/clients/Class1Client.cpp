// A C++ client of Kestrane.Class1: calls every method through the IClass1 table and through
// IDispatch, checks the types of the results and how errors arrive, and drives the module's
// exports directly. Usage: class1_client DLL_PATH [exports], with the host key pointing at the
// table file of the Wine tests; "exports" runs only the checks of the exports, which create
// objects but call no method. Prints "FAIL: ..." per failed check and "KESTRANE-OK" at the end.
#include <windows.h>

#include <initguid.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <array>
#include <string>
#include <utility>

#include "Kestrane_h.h"
#include "TextChecks.h"

namespace {

using kestrane::wine::Check;
using Microsoft::WRL::ComPtr;

// A variant that is released when it goes out of scope.
struct OwnedVariant {
  VARIANT value;
  OwnedVariant() { ::VariantInit(&value); }
  ~OwnedVariant() { ::VariantClear(&value); }
  OwnedVariant(const OwnedVariant&) = delete;
  OwnedVariant& operator=(const OwnedVariant&) = delete;
  VARIANT* operator&() { return &value; }
};

// A BSTR that is freed when it goes out of scope.
struct OwnedText {
  BSTR text = nullptr;
  ~OwnedText() { ::SysFreeString(text); }
  std::wstring_view view() const { return {text, ::SysStringLen(text)}; }
};

// GB 中国 and BIG5 中國, as the table file of the Wine tests maps them.
constexpr char kGBText[] = "\xD6\xD0\xB9\xFA abc";
constexpr char kBIG5Text[] = "\xA4\xA4\xB0\xEA abc";

// Bytes carried in a BSTR as text of the ANSI code page, as the server expects them.
void SetAnsiText(VARIANT* value, std::string_view bytes) {
  auto length = static_cast<int>(bytes.size());
  int wide = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  V_VT(value) = VT_BSTR;
  V_BSTR(value) = ::SysAllocStringLen(nullptr, static_cast<UINT>(wide));
  ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, V_BSTR(value), wide);
}

std::string AnsiBytes(const VARIANT& value) {
  if (V_VT(&value) != VT_BSTR) return "<not a string>";
  auto length = static_cast<int>(::SysStringLen(V_BSTR(&value)));
  int size = ::WideCharToMultiByte(CP_ACP, 0, V_BSTR(&value), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, V_BSTR(&value), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

// A table as the server hands it out: a one-dimensional array of 32-bit integer variants with
// lower bound 0. Returns the element count, or -1 when the shape is wrong.
long TableLength(const VARIANT& table) {
  if (V_VT(&table) != (VT_ARRAY | VT_VARIANT)) return -1;
  SAFEARRAY* array = V_ARRAY(&table);
  LONG lower = 0;
  LONG upper = 0;
  if (::SafeArrayGetDim(array) != 1 || FAILED(::SafeArrayGetLBound(array, 1, &lower)) ||
      FAILED(::SafeArrayGetUBound(array, 1, &upper)) || lower != 0) {
    return -1;
  }
  return upper + 1;
}

LONG TableCode(const VARIANT& table, LONG index) {
  OwnedVariant element;
  if (FAILED(::SafeArrayGetElement(V_ARRAY(&table), &index, &element.value)) ||
      V_VT(&element.value) != VT_I4) {
    return -1;
  }
  return V_I4(&element.value);
}

// The message of the thread's error information, taken and cleared.
std::wstring TakeErrorDescription() {
  ComPtr<IErrorInfo> info;
  if (::GetErrorInfo(0, &info) != S_OK) return {};
  OwnedText description;
  info->GetDescription(&description.text);
  return std::wstring(description.view());
}

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();

template <typename Fn>
Fn Export(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

// DllGetClassObject and DllCanUnloadNow, called on the module itself.
void CheckExports(const wchar_t* dllPath) {
  HMODULE module = ::LoadLibraryW(dllPath);
  Check(module != nullptr, "the module loads");
  if (module == nullptr) return;
  auto getClassObject = Export<GetClassObjectFn>(module, "DllGetClassObject");
  auto canUnloadNow = Export<CanUnloadNowFn>(module, "DllCanUnloadNow");
  Check(getClassObject != nullptr && canUnloadNow != nullptr, "both exports are there");
  if (getClassObject == nullptr || canUnloadNow == nullptr) return;

  void* object = &object;
  Check(getClassObject(IID_IClass1, IID_IClassFactory, &object) == CLASS_E_CLASSNOTAVAILABLE,
        "another CLSID gives CLASS_E_CLASSNOTAVAILABLE");
  Check(object == nullptr, "with a null out pointer");
  Check(getClassObject(CLSID_Class1, IID_IDispatch, &object) == E_NOINTERFACE,
        "the factory answers no IDispatch");
  Check(canUnloadNow() == S_OK, "DllCanUnloadNow is S_OK before any object");

  ComPtr<IClassFactory> factory;
  Check(getClassObject(CLSID_Class1, IID_PPV_ARGS(&factory)) == S_OK, "the Class1 factory");
  ComPtr<IUnknown> viaUnknown;
  Check(getClassObject(CLSID_Class1, IID_PPV_ARGS(&viaUnknown)) == S_OK,
        "the factory answers IUnknown");
  ComPtr<IClass1> first;
  ComPtr<IClass1> second;
  Check(factory->CreateInstance(nullptr, IID_PPV_ARGS(&first)) == S_OK &&
            factory->CreateInstance(nullptr, IID_PPV_ARGS(&second)) == S_OK,
        "the factory creates objects");
  Check(first.Get() != second.Get(), "each request makes a new object");
  Check(canUnloadNow() == S_FALSE, "DllCanUnloadNow is S_FALSE while an object lives");
  first.Reset();
  second.Reset();
  Check(canUnloadNow() == S_OK, "DllCanUnloadNow is S_OK once the objects are gone");
  factory->LockServer(TRUE);
  Check(canUnloadNow() == S_FALSE, "a factory lock keeps the module");
  factory->LockServer(FALSE);
  Check(canUnloadNow() == S_OK, "releasing the lock frees it");
  factory.Reset();
  viaUnknown.Reset();
  ::FreeLibrary(module);
}

// Every method through the IClass1 table.
void CheckVtableCalls(IClass1* class1) {
  OwnedVariant loaded;
  Check(class1->ReLoad(&loaded) == S_OK && V_VT(&loaded.value) == VT_BOOL &&
            V_BOOL(&loaded.value) == VARIANT_TRUE,
        "ReLoad answers the boolean true");

  OwnedVariant big5Table;
  Check(class1->GetBIG5Data(&big5Table) == S_OK && TableLength(big5Table.value) == 2492 &&
            TableCode(big5Table.value, 537) == 0xD6D0,
        "GetBIG5Data hands out the BIG5 table");
  OwnedVariant gbTable;
  Check(class1->GetGBData(&gbTable) == S_OK && TableLength(gbTable.value) == 5030 &&
            TableCode(gbTable.value, 5029) == 0xA4A4,
        "GetGBData hands out the GB table");

  OwnedVariant gb;
  SetAnsiText(&gb, kGBText);
  OwnedVariant big5;
  Check(class1->GBtoBIG5(&gb, &big5) == S_OK && AnsiBytes(big5.value) == kBIG5Text,
        "GBtoBIG5 converts to a BIG5 string");
  OwnedVariant back;
  Check(class1->BIG5toGB(&big5, &back) == S_OK && AnsiBytes(back.value) == kGBText,
        "BIG5toGB converts back");

  OwnedVariant twelve;
  V_VT(&twelve.value) = VT_I4;
  V_I4(&twelve.value) = 12;
  OwnedVariant twelveText;
  Check(class1->GBtoBIG5(&twelve, &twelveText) == S_OK && AnsiBytes(twelveText.value) == "12",
        "the integer 12 converts as its text");

  std::array<OwnedVariant, 4> order;
  SetAnsiText(&order[0], "x");  // one byte: no BIG5 index, nothing is saved
  SetAnsiText(&order[1], "A4E5");
  SetAnsiText(&order[2], "\xCE\xC4");
  SetAnsiText(&order[3], "CEC4");
  OwnedVariant saved;
  Check(class1->SaveOrder(&order[0], &order[1], &order[2], &order[3], &saved) == S_OK &&
            V_VT(&saved.value) == VT_BOOL && V_BOOL(&saved.value) == VARIANT_FALSE,
        "SaveOrder of a character without index answers the boolean false");

  Check(class1->DisConnect() == S_OK, "DisConnect succeeds");

  OwnedText version;
  Check(class1->Version(&version.text) == S_OK && version.view() == L"1.0", "Version is 1.0");
}

// A raised error: a failed HRESULT, an empty out value and the message as error information.
void CheckVtableError(IClass1* class1) {
  ComPtr<ISupportErrorInfo> support;
  Check(class1->QueryInterface(IID_PPV_ARGS(&support)) == S_OK &&
            support->InterfaceSupportsErrorInfo(IID_IClass1) == S_OK,
        "IClass1 supports error information");
  OwnedVariant null;
  V_VT(&null.value) = VT_NULL;
  OwnedVariant result;
  V_VT(&result.value) = VT_I4;  // must come back empty
  Check(FAILED(class1->GBtoBIG5(&null, &result)), "Null has no text: the call fails");
  Check(V_VT(&result.value) == VT_EMPTY, "a failed call leaves its out value empty");
  Check(!TakeErrorDescription().empty(), "the error information holds the message");
  Check(FAILED(class1->ReLoad(nullptr)), "a null out pointer fails the call");
}

// The type library version is what Version reports.
void CheckVersionMatchesTypeLibrary(IDispatch* dispatch) {
  ComPtr<ITypeInfo> info;
  ComPtr<ITypeLib> library;
  UINT index = 0;
  TLIBATTR* attributes = nullptr;
  Check(dispatch->GetTypeInfo(0, 0, &info) == S_OK &&
            info->GetContainingTypeLib(&library, &index) == S_OK &&
            library->GetLibAttr(&attributes) == S_OK,
        "the type information leads to the type library");
  if (attributes == nullptr) return;
  Check(attributes->wMajorVerNum == 1 && attributes->wMinorVerNum == 0,
        "the type library version is 1.0");
  library->ReleaseTLibAttr(attributes);
}

HRESULT InvokeMethod(IDispatch* dispatch, DISPID id, std::initializer_list<VARIANT> arguments,
                     VARIANT* result, EXCEPINFO* exception) {
  // Arguments go in reverse order.
  std::array<VARIANT, 4> reversed{};
  std::size_t count = 0;
  for (auto it = std::rbegin(arguments); it != std::rend(arguments); ++it) reversed[count++] = *it;
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(count), 0};
  return dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result,
                          exception, nullptr);
}

// Late binding: names to DISPIDs 1..8, every method invoked, result types as documented.
void CheckDispatchCalls(IDispatch* dispatch) {
  constexpr std::array<const wchar_t*, 8> names = {L"ReLoad",     L"GetBIG5Data", L"GetGBData",
                                                   L"GBtoBIG5",   L"BIG5toGB",    L"SaveOrder",
                                                   L"DisConnect", L"Version"};
  std::array<DISPID, 8> ids{};
  for (std::size_t i = 0; i < names.size(); ++i) {
    auto* name = const_cast<LPOLESTR>(names[i]);
    Check(dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &ids[i]) == S_OK &&
              ids[i] == static_cast<DISPID>(i + 1),
          "DISPID of " + kestrane::wine::Utf8(names[i]) + " is " + std::to_string(i + 1));
  }

  OwnedVariant gb;
  SetAnsiText(&gb, kGBText);
  OwnedVariant one;
  SetAnsiText(&one, "x");
  OwnedVariant code;
  SetAnsiText(&code, "A4E5");
  struct Call {
    DISPID id;
    std::initializer_list<VARIANT> arguments;
    VARTYPE resultType;
  };
  const std::array<Call, 8> calls = {{{1, {}, VT_BOOL},
                                      {2, {}, VT_ARRAY | VT_VARIANT},
                                      {3, {}, VT_ARRAY | VT_VARIANT},
                                      {4, {gb.value}, VT_BSTR},
                                      {5, {gb.value}, VT_BSTR},
                                      {6, {one.value, code.value, gb.value, code.value}, VT_BOOL},
                                      {7, {}, VT_EMPTY},
                                      {8, {}, VT_BSTR}}};
  for (const auto& call : calls) {
    OwnedVariant result;
    HRESULT invoked = InvokeMethod(dispatch, call.id, call.arguments, &result.value, nullptr);
    Check(invoked == S_OK && V_VT(&result.value) == call.resultType,
          "Invoke of DISPID " + std::to_string(call.id) + " answers the documented type");
  }

  OwnedVariant null;
  V_VT(&null.value) = VT_NULL;
  OwnedVariant result;
  EXCEPINFO exception{};
  Check(InvokeMethod(dispatch, 4, {null.value}, &result.value, &exception) == DISP_E_EXCEPTION,
        "a raised error arrives as DISP_E_EXCEPTION");
  Check(exception.bstrDescription != nullptr && ::SysStringLen(exception.bstrDescription) > 0,
        "with the message in the EXCEPINFO");
  ::SysFreeString(exception.bstrDescription);
  ::SysFreeString(exception.bstrSource);
  ::SysFreeString(exception.bstrHelpFile);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  ::CoInitialize(nullptr);
  CheckExports(argv[1]);
  if (argc == 2) {
    ComPtr<IClass1> class1;
    Check(::CoCreateInstance(CLSID_Class1, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&class1)) ==
              S_OK,
          "CoCreateInstance of Class1");
    if (class1) {
      CheckVtableCalls(class1.Get());
      CheckVtableError(class1.Get());
      CheckVersionMatchesTypeLibrary(class1.Get());
      CheckDispatchCalls(class1.Get());
    }
  }
  ::CoUninitialize();
  return kestrane::wine::Finish();
}
