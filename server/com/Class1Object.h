// The COM face of Class1: IClass1 with IDispatch driven by the type library, and
// ISupportErrorInfo. Every method is passed on to the portable TClass1, which reports a failure
// through the thread's error information.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <atomic>

#include "Kestrane_h.h"
#include "server/TClass1.h"

namespace kestrane::server::com {

class ComServer;

// COM interfaces have no virtual destructor: an object is destroyed by its own Release, never
// through an interface pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class Class1Object final : public IClass1, public ISupportErrorInfo {
 public:
  // Starts with one reference, which the creator releases.
  explicit Class1Object(ComServer& server);
  Class1Object(const Class1Object&) = delete;
  Class1Object& operator=(const Class1Object&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override;

  // IClass1
  HRESULT STDMETHODCALLTYPE ReLoad(VARIANT* xResult) override;
  HRESULT STDMETHODCALLTYPE GetBIG5Data(VARIANT* xReturData) override;
  HRESULT STDMETHODCALLTYPE GetGBData(VARIANT* xReturData) override;
  HRESULT STDMETHODCALLTYPE GBtoBIG5(VARIANT* xInData, VARIANT* xOutData) override;
  HRESULT STDMETHODCALLTYPE BIG5toGB(VARIANT* xInData, VARIANT* xOutData) override;
  HRESULT STDMETHODCALLTYPE SaveOrder(VARIANT* xBIG5Char, VARIANT* xBIG5Code, VARIANT* xGBChar,
                                      VARIANT* xGBCode, VARIANT* xResultData) override;
  HRESULT STDMETHODCALLTYPE DisConnect() override;
  HRESULT STDMETHODCALLTYPE Version(BSTR* Value) override;

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

 private:
  // Only Release destroys it.
  ~Class1Object();

  ComServer& server_;
  TClass1 class1_;
  std::atomic<ULONG> references_{1};
};
#pragma GCC diagnostic pop

}  // namespace kestrane::server::com
