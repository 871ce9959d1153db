// The Class1 automation object: the eight methods of IClass1 over the shared conversion core.
// It holds no state; every object works on the same process-wide tables. Text crosses the
// interface as strings in the system ANSI code page, tables as arrays of integer variants.
// Every method returns an HRESULT; a failure leaves the out value empty and its message in the
// error information of the calling thread.
#pragma once

#include "server/Variant.h"

namespace kestrane::server {

class TClass1 {
 public:
  // Reloads the tables from the table file; true when it was found.
  HRESULT ReLoad(VARIANT* xResult);
  // Copies of the tables, the empty variant when there is no table file.
  HRESULT GetBIG5Data(VARIANT* xReturData);
  HRESULT GetGBData(VARIANT* xReturData);
  HRESULT GBtoBIG5(VARIANT* xInData, VARIANT* xOutData);
  HRESULT BIG5toGB(VARIANT* xInData, VARIANT* xOutData);
  // Records one BIG5/GB correspondence (codes as four hex digits, or "清空" to clear one
  // direction) and saves the table file; true when saved.
  HRESULT SaveOrder(VARIANT* xBIG5Char, VARIANT* xBIG5Code, VARIANT* xGBChar, VARIANT* xGBCode,
                    VARIANT* xResultData);
  // Does nothing; kept for clients that call it.
  HRESULT DisConnect();
  // The type library version, "1.0".
  HRESULT Version(BSTR* Value);
};

}  // namespace kestrane::server
