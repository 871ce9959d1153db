// Inspects a built Kestrane.dll without running it: its TYPELIB and VERSIONINFO resources and
// every identity value of its type library. Reads modules of either width.
// Usage: module_audit DLL_PATH win32|win64 (the system kind its type library must have).
// Prints "FAIL: ..." per failed check and "KESTRANE-OK" at the end.
#include <windows.h>

#include <initguid.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <array>
#include <span>
#include <string>
#include <vector>

#include "Kestrane_h.h"
#include "TextChecks.h"
#include "VersionResource.h"

namespace {

using kestrane::wine::Check;
using kestrane::wine::Utf8;
using Microsoft::WRL::ComPtr;

// {00020430-0000-0000-C000-000000000046}, the standard OLE types (stdole2.tlb).
constexpr GUID kStdOleLibId = {0x00020430, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

struct Parameter {
  const wchar_t* name;
  VARTYPE pointee;  // every parameter is a pointer to this type
  USHORT flags;
};

struct Method {
  const wchar_t* name;
  std::vector<Parameter> parameters;
};

constexpr USHORT kIn = PARAMFLAG_FIN;
constexpr USHORT kRetval = PARAMFLAG_FOUT | PARAMFLAG_FRETVAL;

// The methods of IClass1 in order: DISPIDs 1..8, table slots 7..14.
const std::array<Method, 8> kMethods = {{
    {L"ReLoad", {{L"xResult", VT_VARIANT, kRetval}}},
    {L"GetBIG5Data", {{L"xReturData", VT_VARIANT, kRetval}}},
    {L"GetGBData", {{L"xReturData", VT_VARIANT, kRetval}}},
    {L"GBtoBIG5", {{L"xInData", VT_VARIANT, kIn}, {L"xOutData", VT_VARIANT, kRetval}}},
    {L"BIG5toGB", {{L"xInData", VT_VARIANT, kIn}, {L"xOutData", VT_VARIANT, kRetval}}},
    {L"SaveOrder",
     {{L"xBIG5Char", VT_VARIANT, kIn},
      {L"xBIG5Code", VT_VARIANT, kIn},
      {L"xGBChar", VT_VARIANT, kIn},
      {L"xGBCode", VT_VARIANT, kIn},
      {L"xResultData", VT_VARIANT, kRetval}}},
    {L"DisConnect", {}},
    {L"Version", {{L"Value", VT_BSTR, kRetval}}},
}};

struct Documentation {
  std::wstring name;
  std::wstring text;
  std::wstring helpFile;
};

template <typename Source>
Documentation DocumentationOf(Source* source, MEMBERID id) {
  BSTR name = nullptr;
  BSTR text = nullptr;
  BSTR helpFile = nullptr;
  source->GetDocumentation(id, &name, &text, nullptr, &helpFile);
  Documentation documentation{name ? name : L"", text ? text : L"", helpFile ? helpFile : L""};
  ::SysFreeString(name);
  ::SysFreeString(text);
  ::SysFreeString(helpFile);
  return documentation;
}

std::span<const std::byte> ResourceBytes(HMODULE module, const wchar_t* type) {
  HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(1), type);
  if (found == nullptr) return {};
  auto* data = static_cast<const std::byte*>(::LockResource(::LoadResource(module, found)));
  return {data, ::SizeofResource(module, found)};
}

void CheckVersionResource(std::span<const std::byte> block) {
  Check(!block.empty(), "VERSIONINFO resource 1 is there");
  if (block.empty()) return;
  auto resource = kestrane::wine::ParseVersionResource(block);
  const auto& fixed = resource.fixed;
  Check(fixed.dwFileVersionMS == 0x00050000 && fixed.dwFileVersionLS == 0, "file version 5.0.0.0");
  Check(fixed.dwProductVersionMS == 0x00050000 && fixed.dwProductVersionLS == 0,
        "product version 5.0.0.0");
  Check((fixed.dwFileFlags & fixed.dwFileFlagsMask) == 0, "no file flags");
  Check(fixed.dwFileOS == VOS__WINDOWS32, "VOS__WINDOWS32");
  Check(fixed.dwFileType == VFT_APP && fixed.dwFileSubtype == 0, "file type VFT_APP");
  Check(resource.stringTable == L"080403A8", "string table 0x0804, code page 936");
  const std::vector<std::pair<std::wstring, std::wstring>> strings = {
      {L"CompanyName", L""},      {L"FileDescription", L""}, {L"FileVersion", L"1.0.0.0"},
      {L"InternalName", L""},     {L"LegalCopyright", L""},  {L"LegalTrademarks", L""},
      {L"OriginalFilename", L""}, {L"ProductName", L""},     {L"ProductVersion", L"1.0.0.0"}};
  Check(resource.strings == strings, "the nine standard strings in standard order");
  Check(resource.language == 0x0804 && resource.codePage == 936, "translation 0x0804, 936");
}

void CheckLibrary(ITypeLib* library, SYSKIND expectedKind) {
  TLIBATTR* attributes = nullptr;
  Check(library->GetLibAttr(&attributes) == S_OK, "library attributes");
  if (attributes == nullptr) return;
  Check(::IsEqualGUID(attributes->guid, LIBID_Kestrane), "LIBID");
  Check(attributes->wMajorVerNum == 1 && attributes->wMinorVerNum == 0, "library version 1.0");
  Check(attributes->lcid == 0x409, "locale 0x409");
  Check(attributes->syskind == expectedKind, "system kind");
  // Loading from a file adds FHASDISKIMAGE; the library itself has no flags.
  Check((attributes->wLibFlags & ~LIBFLAG_FHASDISKIMAGE) == 0, "no library flags");
  library->ReleaseTLibAttr(attributes);

  auto documentation = DocumentationOf(library, MEMBERID_NIL);
  Check(documentation.name == L"Kestrane", "library name Kestrane");
  Check(documentation.text == L"Project1 Library", "library help string");
  Check(documentation.helpFile.empty(), "no help file");
  Check(library->GetTypeInfoCount() == 2, "two types: IClass1 and Class1");
}

void CheckMethod(ITypeInfo* interfaceInfo, ITypeInfo* dispatchInfo, UINT index) {
  const Method& expected = kMethods[index];
  const std::string label = Utf8(expected.name);
  FUNCDESC* function = nullptr;
  Check(interfaceInfo->GetFuncDesc(index, &function) == S_OK, label + ": described");
  if (function == nullptr) return;
  Check(function->memid == static_cast<MEMBERID>(index + 1), label + ": DISPID");
  Check(function->funckind == FUNC_PUREVIRTUAL && function->invkind == INVOKE_FUNC &&
            function->callconv == CC_STDCALL && function->wFuncFlags == 0,
        label + ": a plain stdcall method");
  Check(function->oVft / static_cast<SHORT>(sizeof(void*)) == static_cast<SHORT>(7 + index),
        label + ": table slot " + std::to_string(7 + index));
  Check(function->elemdescFunc.tdesc.vt == VT_HRESULT, label + ": returns HRESULT");
  Check(function->cParams == static_cast<SHORT>(expected.parameters.size()) &&
            function->cParamsOpt == 0,
        label + ": parameter count");

  std::array<BSTR, 6> names{};
  UINT nameCount = 0;
  interfaceInfo->GetNames(function->memid, names.data(), names.size(), &nameCount);
  Check(nameCount == expected.parameters.size() + 1 && names[0] != nullptr &&
            std::wstring_view(names[0]) == expected.name,
        label + ": name");
  auto described = static_cast<std::size_t>(function->cParams);
  for (std::size_t k = 0; k < expected.parameters.size() && k < described; ++k) {
    const Parameter& parameter = expected.parameters[k];
    const ELEMDESC& element = function->lprgelemdescParam[k];
    Check(k + 1 < nameCount && names[k + 1] != nullptr &&
              std::wstring_view(names[k + 1]) == parameter.name,
          label + ": parameter " + Utf8(parameter.name));
    Check(element.tdesc.vt == VT_PTR && element.tdesc.lptdesc->vt == parameter.pointee,
          label + ": type of " + Utf8(parameter.name));
    Check(element.paramdesc.wParamFlags == parameter.flags,
          label + ": direction of " + Utf8(parameter.name));
  }
  for (BSTR name : names) ::SysFreeString(name);
  Check(DocumentationOf(interfaceInfo, function->memid).text.empty(), label + ": no help string");
  interfaceInfo->ReleaseFuncDesc(function);

  auto* name = const_cast<LPOLESTR>(expected.name);
  MEMBERID id = MEMBERID_NIL;
  Check(
      dispatchInfo->GetIDsOfNames(&name, 1, &id) == S_OK && id == static_cast<MEMBERID>(index + 1),
      label + ": DISPID through the dispatch interface");
}

// The base interface, IDispatch, comes from the imported standard OLE types 2.0.
void CheckBaseFromStdOle(ITypeInfo* dispatchInfo) {
  HREFTYPE base = 0;
  ComPtr<ITypeInfo> baseInfo;
  ComPtr<ITypeLib> baseLibrary;
  UINT index = 0;
  TLIBATTR* attributes = nullptr;
  Check(dispatchInfo->GetRefTypeOfImplType(0, &base) == S_OK &&
            dispatchInfo->GetRefTypeInfo(base, &baseInfo) == S_OK &&
            baseInfo->GetContainingTypeLib(&baseLibrary, &index) == S_OK &&
            baseLibrary->GetLibAttr(&attributes) == S_OK,
        "the base interface and its library");
  if (attributes == nullptr) return;
  Check(DocumentationOf(baseInfo.Get(), MEMBERID_NIL).name == L"IDispatch", "base IDispatch");
  Check(::IsEqualGUID(attributes->guid, kStdOleLibId) && attributes->wMajorVerNum == 2 &&
            attributes->wMinorVerNum == 0,
        "imported from the standard OLE types 2.0");
  baseLibrary->ReleaseTLibAttr(attributes);
}

void CheckInterface(ITypeLib* library) {
  ComPtr<ITypeInfo> dispatchInfo;
  Check(library->GetTypeInfoOfGuid(IID_IClass1, &dispatchInfo) == S_OK, "IID of IClass1");
  if (!dispatchInfo) return;
  TYPEATTR* attributes = nullptr;
  dispatchInfo->GetTypeAttr(&attributes);
  Check(attributes->typekind == TKIND_DISPATCH, "IClass1 is a dispatch interface");
  // The library stores dual, oleautomation and dispatchable; Wine's loader reports the
  // dispatch side without oleautomation, so that flag is checked on the interface side below.
  Check((attributes->wTypeFlags & ~TYPEFLAG_FOLEAUTOMATION) ==
            (TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE),
        "IClass1 flags: dual, dispatchable, not " + std::to_string(attributes->wTypeFlags));
  Check(attributes->wMajorVerNum == 1 && attributes->wMinorVerNum == 0, "IClass1 version 1.0");
  dispatchInfo->ReleaseTypeAttr(attributes);
  auto documentation = DocumentationOf(dispatchInfo.Get(), MEMBERID_NIL);
  Check(documentation.name == L"IClass1" &&
            documentation.text == L"Dispatch interface for Class1 Object",
        "IClass1 name and help string");
  CheckBaseFromStdOle(dispatchInfo.Get());

  // The dual interface's table side.
  HREFTYPE tableSide = 0;
  ComPtr<ITypeInfo> interfaceInfo;
  Check(dispatchInfo->GetRefTypeOfImplType(static_cast<UINT>(-1), &tableSide) == S_OK &&
            dispatchInfo->GetRefTypeInfo(tableSide, &interfaceInfo) == S_OK,
        "the interface side of the dual interface");
  if (!interfaceInfo) return;
  interfaceInfo->GetTypeAttr(&attributes);
  Check(attributes->typekind == TKIND_INTERFACE && attributes->cFuncs == 8,
        "eight methods of its own");
  Check((attributes->wTypeFlags & (TYPEFLAG_FDUAL | TYPEFLAG_FOLEAUTOMATION)) ==
            (TYPEFLAG_FDUAL | TYPEFLAG_FOLEAUTOMATION),
        "IClass1 flags: oleautomation, not " + std::to_string(attributes->wTypeFlags));
  interfaceInfo->ReleaseTypeAttr(attributes);
  for (UINT index = 0; index < kMethods.size(); ++index) {
    CheckMethod(interfaceInfo.Get(), dispatchInfo.Get(), index);
  }
}

void CheckCoclass(ITypeLib* library) {
  ComPtr<ITypeInfo> info;
  Check(library->GetTypeInfoOfGuid(CLSID_Class1, &info) == S_OK, "CLSID of Class1");
  if (!info) return;
  TYPEATTR* attributes = nullptr;
  info->GetTypeAttr(&attributes);
  Check(attributes->typekind == TKIND_COCLASS && attributes->wTypeFlags == TYPEFLAG_FCANCREATE,
        "Class1 is a creatable coclass");
  Check(attributes->wMajorVerNum == 1 && attributes->wMinorVerNum == 0, "Class1 version 1.0");
  Check(attributes->cImplTypes == 1, "Class1 has one interface");
  info->ReleaseTypeAttr(attributes);
  auto documentation = DocumentationOf(info.Get(), MEMBERID_NIL);
  Check(documentation.name == L"Class1" && documentation.text == L"Class1 Object",
        "Class1 name and help string");
  INT flags = 0;
  HREFTYPE reference = 0;
  ComPtr<ITypeInfo> defaultInfo;
  TYPEATTR* defaultAttributes = nullptr;
  Check(info->GetImplTypeFlags(0, &flags) == S_OK && flags == IMPLTYPEFLAG_FDEFAULT &&
            info->GetRefTypeOfImplType(0, &reference) == S_OK &&
            info->GetRefTypeInfo(reference, &defaultInfo) == S_OK &&
            defaultInfo->GetTypeAttr(&defaultAttributes) == S_OK &&
            ::IsEqualGUID(defaultAttributes->guid, IID_IClass1),
        "the default interface is IClass1");
  if (defaultAttributes != nullptr) defaultInfo->ReleaseTypeAttr(defaultAttributes);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  const wchar_t* path = argv[1];
  SYSKIND expectedKind = std::wstring_view(argv[2]) == L"win64" ? SYS_WIN64 : SYS_WIN32;

  HMODULE module =
      ::LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  Check(module != nullptr, "the module opens as a data file");
  if (module != nullptr) {
    Check(!ResourceBytes(module, L"TYPELIB").empty(), "TYPELIB resource 1 is there");
    CheckVersionResource(ResourceBytes(module, MAKEINTRESOURCEW(16)));
    ::FreeLibrary(module);
  }

  ComPtr<ITypeLib> library;
  Check(::LoadTypeLibEx(path, REGKIND_NONE, &library) == S_OK, "the type library loads");
  if (library) {
    CheckLibrary(library.Get(), expectedKind);
    CheckInterface(library.Get());
    CheckCoclass(library.Get());
  }
  return kestrane::wine::Finish();
}
