// The variant operations over OLE Automation.
#include <memory>
#include <new>

#include "server/AutomationError.h"
#include "server/OwnedValues.h"
#include "server/Variant.h"
#include "server/VariantTypeName.h"

namespace kestrane::server {
namespace {

static_assert(sizeof(OLECHAR) == sizeof(char16_t));

const OLECHAR* OleChars(std::u16string_view text) {
  return reinterpret_cast<const OLECHAR*>(text.data());
}

template <typename Interface>
struct Releaser {
  void operator()(Interface* object) const noexcept { object->Release(); }
};
template <typename Interface>
using ComOwner = std::unique_ptr<Interface, Releaser<Interface>>;

struct ArrayDestroyer {
  void operator()(SAFEARRAY* array) const noexcept { SafeArrayDestroy(array); }
};

UINT CheckedLength(std::size_t size) {
  if (size > UINT_MAX / sizeof(OLECHAR)) throw std::bad_alloc();
  return static_cast<UINT>(size);
}

}  // namespace

void InitVariant(VARIANT* value) noexcept {
  VariantInit(value);
}

void ClearVariant(VARIANT* value) noexcept {
  VariantClear(value);
}

std::u16string VariantToText(const VARIANT& value) {
  OwnedVariant text;
  // VariantChangeTypeEx does not change its source; its signature just lacks the const.
  const HRESULT result = VariantChangeTypeEx(text.get(), const_cast<VARIANT*>(&value),
                                             LOCALE_USER_DEFAULT, VARIANT_ALPHABOOL, VT_BSTR);
  if (result == E_OUTOFMEMORY) throw std::bad_alloc();
  if (FAILED(result)) throw AutomationError(result, NoTextFormMessage(value.vt));
  return std::u16string(TextOf(text->bstrVal));
}

void MakeIntArray(VARIANT* out, std::span<const std::uint16_t> values) {
  std::unique_ptr<SAFEARRAY, ArrayDestroyer> array(
      SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(values.size())));
  if (!array) throw std::bad_alloc();
  void* data = nullptr;
  if (FAILED(SafeArrayAccessData(array.get(), &data))) {
    throw AutomationError(E_UNEXPECTED, "Cannot access the elements of a new array");
  }
  auto* elements = static_cast<VARIANT*>(data);
  for (std::size_t i = 0; i < values.size(); ++i) MakeInt(&elements[i], values[i]);
  SafeArrayUnaccessData(array.get());
  out->parray = array.release();
  out->vt = VT_ARRAY | VT_VARIANT;
}

BSTR AllocText(std::u16string_view text) {
  BSTR result = SysAllocStringLen(OleChars(text), CheckedLength(text.size()));
  if (result == nullptr) throw std::bad_alloc();
  return result;
}

void FreeText(BSTR text) noexcept {
  SysFreeString(text);
}

std::u16string_view TextOf(BSTR text) noexcept {
  if (text == nullptr) return {};
  return {reinterpret_cast<const char16_t*>(text), SysStringLen(text)};
}

void SetErrorDescription(std::u16string_view description) noexcept {
  ICreateErrorInfo* created = nullptr;
  if (FAILED(CreateErrorInfo(&created))) return;
  ComOwner<ICreateErrorInfo> creator(created);
  try {
    // SetDescription wants a zero-terminated text.
    const std::u16string terminated(description);
    creator->SetDescription(const_cast<LPOLESTR>(OleChars(terminated)));
  } catch (const std::bad_alloc&) {
    return;
  }
  IErrorInfo* info = nullptr;
  if (FAILED(creator->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) return;
  ComOwner<IErrorInfo> owned(info);
  SetErrorInfo(0, owned.get());
}

std::optional<std::u16string> TakeErrorDescription() {
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || info == nullptr) return std::nullopt;
  ComOwner<IErrorInfo> owned(info);
  BSTR description = nullptr;
  if (FAILED(owned->GetDescription(&description))) return std::u16string();
  OwnedText text(description);
  return std::u16string(TextOf(text.get()));
}

}  // namespace kestrane::server
