// Calls of a TClass1 by method name and dispatch identifier, as a scripting client makes them
// through IDispatch. On Windows the type library does this for COM clients; this is the same
// binding for the portable build, the command line and tests.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "server/MethodTable.h"
#include "server/TClass1.h"
#include "server/Variant.h"

namespace kestrane::server {

// The method of that name, compared without regard to letter case as OLE does.
const MethodInfo* FindMethod(std::u16string_view name);
const MethodInfo* FindMethod(DISPID id);

// What a failing method reported, as IDispatch::Invoke hands it out in its EXCEPINFO.
struct DispatchException {
  HRESULT scode = S_OK;
  std::u16string description;
};

// Calls method id with the [in] arguments in parameter order. The method's result, if any,
// goes to result (a null result discards it); a string result arrives as a string variant.
// Returns DISP_E_MEMBERNOTFOUND for an unknown id, DISP_E_BADPARAMCOUNT for a wrong number of
// arguments, and DISP_E_EXCEPTION when the method failed, with its HRESULT and message in
// exception.
HRESULT Invoke(TClass1& object, DISPID id, std::span<VARIANT> arguments, VARIANT* result,
               DispatchException* exception);

}  // namespace kestrane::server
