// The class factory of Class1: every request makes a new object (multiple instances).
#pragma once

#include <windows.h>

#include <unknwn.h>

#include <atomic>

namespace kestrane::server::com {

class ComServer;

// COM interfaces have no virtual destructor: an object is destroyed by its own Release, never
// through an interface pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(ComServer& server) : server_(server) {}
  ClassFactory(const ClassFactory&) = delete;
  ClassFactory& operator=(const ClassFactory&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  // Only Release destroys it.
  ~ClassFactory() = default;

  ComServer& server_;
  std::atomic<ULONG> references_{1};
};
#pragma GCC diagnostic pop

}  // namespace kestrane::server::com
