// Filling out values: the same on the OLE types and on their portable counterparts.
#include "server/Variant.h"

namespace kestrane::server {

void MakeText(VARIANT* out, std::u16string_view text) {
  out->bstrVal = AllocText(text);
  out->vt = VT_BSTR;
}

void MakeBool(VARIANT* out, bool value) {
  out->vt = VT_BOOL;
  out->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void MakeInt(VARIANT* out, std::int32_t value) {
  out->vt = VT_I4;
  out->lVal = value;
}

}  // namespace kestrane::server
