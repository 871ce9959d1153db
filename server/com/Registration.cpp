#include "server/com/Registration.h"

#include <oleauto.h>

#include <stdexcept>
#include <string>

#include "Kestrane_h.h"
#include "platform/win32/UniqueHandle.h"
#include "server/com/ComServer.h"

namespace kestrane::server::com {
namespace {

using platform::win32::UniqueKey;

constexpr wchar_t kProgId[] = L"Kestrane.Class1";
constexpr wchar_t kDescription[] = L"Class1 Object";
constexpr wchar_t kThreadingModel[] = L"Apartment";

// A failed registry or type library call; the exports turn it into E_FAIL.
class RegistrationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

void CheckStatus(LSTATUS status, const char* what) {
  if (status != ERROR_SUCCESS) throw RegistrationError(what);
}

void CheckResult(HRESULT result, const char* what) {
  if (FAILED(result)) throw RegistrationError(what);
}

std::wstring GuidText(REFGUID guid) {
  wchar_t text[39] = {};
  ::StringFromGUID2(guid, text, 39);
  return text;
}

// The folder of a file, without the final backslash.
std::wstring FolderOf(const std::wstring& path) {
  auto separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

std::wstring ClassKey() {
  return L"CLSID\\" + GuidText(CLSID_Class1);
}

// Creates (or opens) HKEY_CLASSES_ROOT\path and sets one string value; an empty name is the
// key's default value.
void SetClassesValue(const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  UniqueKey key;
  CheckStatus(
      ::RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, key.Receive(), nullptr),
      "create a class key");
  auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  CheckStatus(::RegSetValueExW(key.get(), name, 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(value.c_str()), bytes),
              "set a class value");
}

// Removes HKEY_CLASSES_ROOT\path with everything below it; a key that is not there is fine.
void DeleteClassesTree(const std::wstring& path) {
  LSTATUS status = ::RegDeleteTreeW(HKEY_CLASSES_ROOT, path.c_str());
  if (status != ERROR_FILE_NOT_FOUND) CheckStatus(status, "delete a class key");
}

void RegisterClassEntries(const std::wstring& modulePath) {
  const std::wstring classKey = ClassKey();
  SetClassesValue(classKey, nullptr, kDescription);
  SetClassesValue(classKey + L"\\InprocServer32", nullptr, modulePath);
  SetClassesValue(classKey + L"\\InprocServer32", L"ThreadingModel", kThreadingModel);
  SetClassesValue(classKey + L"\\ProgID", nullptr, kProgId);
  SetClassesValue(kProgId, nullptr, kDescription);
  SetClassesValue(std::wstring(kProgId) + L"\\Clsid", nullptr, GuidText(CLSID_Class1));
}

void UnregisterTypeLibrary(ITypeLib* typeLibrary) {
  TLIBATTR* attributes = nullptr;
  CheckResult(typeLibrary->GetLibAttr(&attributes), "read the type library attributes");
  HRESULT result =
      ::UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum,
                          attributes->lcid, attributes->syskind);
  typeLibrary->ReleaseTLibAttr(attributes);
  CheckResult(result, "unregister the type library");
}

template <typename Step>
HRESULT AsResult(Step step) noexcept {
  try {
    step();
    return S_OK;
  } catch (...) {
    return E_FAIL;
  }
}

}  // namespace

HRESULT RegisterServer(const ComServer& server) {
  return AsResult([&] {
    // RegisterTypeLib takes writable strings.
    std::wstring path = server.modulePath();
    std::wstring helpFolder = FolderOf(path);
    CheckResult(::RegisterTypeLib(server.typeLibrary(), path.data(), helpFolder.data()),
                "register the type library");
    RegisterClassEntries(path);
  });
}

HRESULT UnregisterServer(const ComServer& server) {
  return AsResult([&] {
    DeleteClassesTree(ClassKey());
    DeleteClassesTree(kProgId);
    UnregisterTypeLibrary(server.typeLibrary());
  });
}

}  // namespace kestrane::server::com
