#include "server/com/ClassFactory.h"

#include <new>

#include "server/com/Class1Object.h"
#include "server/com/ComServer.h"

namespace kestrane::server::com {

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IClassFactory)) {
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() {
  return ++references_;
}

ULONG ClassFactory::Release() {
  ULONG remaining = --references_;
  if (remaining == 0) delete this;
  return remaining;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  auto* created = new (std::nothrow) Class1Object(server_);
  if (created == nullptr) return E_OUTOFMEMORY;
  HRESULT result = created->QueryInterface(iid, object);
  created->Release();
  return result;
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  server_.Lock(lock != FALSE);
  return S_OK;
}

}  // namespace kestrane::server::com
