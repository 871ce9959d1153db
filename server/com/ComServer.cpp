#include "server/com/ComServer.h"

#include "Kestrane_h.h"
#include "platform/win32/ModuleFileName.h"
#include "server/com/ClassFactory.h"

namespace kestrane::server::com {

using Microsoft::WRL::ComPtr;

std::unique_ptr<ComServer> ComServer::Load(HMODULE module) {
  std::wstring path = platform::win32::ModuleFileName(module);
  ComPtr<ITypeLib> typeLibrary;
  ComPtr<ITypeInfo> class1TypeInfo;
  // Loading only: the type library is entered in the registry by DllRegisterServer.
  if (path.empty() || FAILED(::LoadTypeLibEx(path.c_str(), REGKIND_NONE, &typeLibrary)) ||
      FAILED(typeLibrary->GetTypeInfoOfGuid(IID_IClass1, &class1TypeInfo))) {
    return nullptr;
  }
  return std::unique_ptr<ComServer>(
      new ComServer(std::move(path), std::move(typeLibrary), std::move(class1TypeInfo)));
}

ComServer::ComServer(std::wstring modulePath, ComPtr<ITypeLib> typeLibrary,
                     ComPtr<ITypeInfo> class1TypeInfo)
    : modulePath_(std::move(modulePath)),
      typeLibrary_(std::move(typeLibrary)),
      class1TypeInfo_(std::move(class1TypeInfo)),
      factory_(new ClassFactory(*this)) {}

// The factory goes before the type library it was made with.
ComServer::~ComServer() {
  factory_.Reset();
  class1TypeInfo_.Reset();
  typeLibrary_.Reset();
}

HRESULT ComServer::GetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!::IsEqualCLSID(clsid, CLSID_Class1)) return CLASS_E_CLASSNOTAVAILABLE;
  return factory_->QueryInterface(iid, object);
}

}  // namespace kestrane::server::com
