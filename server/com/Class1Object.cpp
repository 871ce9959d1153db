#include "server/com/Class1Object.h"

#include "server/com/ComServer.h"

namespace kestrane::server::com {

Class1Object::Class1Object(ComServer& server) : server_(server) {
  server_.ObjectCreated();
}

Class1Object::~Class1Object() {
  server_.ObjectDestroyed();
}

HRESULT Class1Object::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IDispatch) ||
      ::IsEqualIID(iid, IID_IClass1)) {
    *object = static_cast<IClass1*>(this);
  } else if (::IsEqualIID(iid, IID_ISupportErrorInfo)) {
    *object = static_cast<ISupportErrorInfo*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG Class1Object::AddRef() {
  return ++references_;
}

ULONG Class1Object::Release() {
  ULONG remaining = --references_;
  if (remaining == 0) delete this;
  return remaining;
}

HRESULT Class1Object::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT Class1Object::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  *info = server_.class1TypeInfo();
  (*info)->AddRef();
  return S_OK;
}

HRESULT Class1Object::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!::IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  return ::DispGetIDsOfNames(server_.class1TypeInfo(), names, count, ids);
}

// The type information calls the method through this object's IClass1 table and turns a
// failure into DISP_E_EXCEPTION, with the error information in the EXCEPINFO.
HRESULT Class1Object::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                             VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
  if (!::IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  return server_.class1TypeInfo()->Invoke(static_cast<IClass1*>(this), id, flags, params, result,
                                          exception, argumentError);
}

HRESULT Class1Object::ReLoad(VARIANT* xResult) {
  return class1_.ReLoad(xResult);
}

HRESULT Class1Object::GetBIG5Data(VARIANT* xReturData) {
  return class1_.GetBIG5Data(xReturData);
}

HRESULT Class1Object::GetGBData(VARIANT* xReturData) {
  return class1_.GetGBData(xReturData);
}

HRESULT Class1Object::GBtoBIG5(VARIANT* xInData, VARIANT* xOutData) {
  return class1_.GBtoBIG5(xInData, xOutData);
}

HRESULT Class1Object::BIG5toGB(VARIANT* xInData, VARIANT* xOutData) {
  return class1_.BIG5toGB(xInData, xOutData);
}

HRESULT Class1Object::SaveOrder(VARIANT* xBIG5Char, VARIANT* xBIG5Code, VARIANT* xGBChar,
                                VARIANT* xGBCode, VARIANT* xResultData) {
  return class1_.SaveOrder(xBIG5Char, xBIG5Code, xGBChar, xGBCode, xResultData);
}

HRESULT Class1Object::DisConnect() {
  return class1_.DisConnect();
}

HRESULT Class1Object::Version(BSTR* Value) {
  return class1_.Version(Value);
}

HRESULT Class1Object::InterfaceSupportsErrorInfo(REFIID iid) {
  return ::IsEqualIID(iid, IID_IClass1) ? S_OK : S_FALSE;
}

}  // namespace kestrane::server::com
