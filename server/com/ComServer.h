// The module's server object: its own file, the type library embedded in it, the Class1 class
// factory, and the object and lock counts that decide whether the module may unload.
#pragma once

#include <windows.h>

#include <oaidl.h>
#include <unknwn.h>
#include <wrl/client.h>

#include <atomic>
#include <memory>
#include <string>

namespace kestrane::server::com {

class ClassFactory;

class ComServer {
 public:
  // Loads the type library from the module's own file and creates the factory; null when the
  // type library cannot be loaded.
  static std::unique_ptr<ComServer> Load(HMODULE module);
  ~ComServer();
  ComServer(const ComServer&) = delete;
  ComServer& operator=(const ComServer&) = delete;

  const std::wstring& modulePath() const { return modulePath_; }
  ITypeLib* typeLibrary() const { return typeLibrary_.Get(); }
  // The type information that drives IDispatch for IClass1.
  ITypeInfo* class1TypeInfo() const { return class1TypeInfo_.Get(); }

  // The factory for the Class1 CLSID; CLASS_E_CLASSNOTAVAILABLE for any other.
  HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** object);

  void ObjectCreated() { ++objects_; }
  void ObjectDestroyed() { --objects_; }
  void Lock(bool lock) { locks_ += lock ? 1 : -1; }
  bool CanUnload() const { return objects_ == 0 && locks_ == 0; }

 private:
  ComServer(std::wstring modulePath, Microsoft::WRL::ComPtr<ITypeLib> typeLibrary,
            Microsoft::WRL::ComPtr<ITypeInfo> class1TypeInfo);

  std::wstring modulePath_;
  Microsoft::WRL::ComPtr<ITypeLib> typeLibrary_;
  Microsoft::WRL::ComPtr<ITypeInfo> class1TypeInfo_;
  Microsoft::WRL::ComPtr<ClassFactory> factory_;
  std::atomic<long> objects_{0};
  std::atomic<long> locks_{0};
};

}  // namespace kestrane::server::com
