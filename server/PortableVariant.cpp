// The variant operations over the portable types, with OLE's memory layout for BSTRs.
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "server/Variant.h"

namespace kestrane::server {
namespace {

// A BSTR block: the byte length in the first two characters, then the text and a zero.
constexpr std::size_t kLengthChars = sizeof(std::uint32_t) / sizeof(OLECHAR);

std::uint32_t ByteLength(BSTR text) {
  std::uint32_t bytes = 0;
  std::memcpy(&bytes, text - kLengthChars, sizeof bytes);
  return bytes;
}

struct ArrayDeleter {
  void operator()(SAFEARRAY* array) const noexcept {
    auto* elements = static_cast<VARIANT*>(array->pvData);
    for (std::uint32_t i = 0; i < array->rgsabound[0].cElements; ++i) ClearVariant(&elements[i]);
    delete[] elements;
    delete array;
  }
};
using OwnedArray = std::unique_ptr<SAFEARRAY, ArrayDeleter>;

OwnedArray CreateVariantVector(std::size_t count) {
  OwnedArray array(new SAFEARRAY{});
  array->cDims = 1;
  array->fFeatures = FADF_VARIANT;
  array->cbElements = sizeof(VARIANT);
  array->rgsabound[0] = {static_cast<std::uint32_t>(count), 0};
  array->pvData = new VARIANT[count]{};
  return array;
}

thread_local std::optional<std::u16string> lastErrorDescription;

}  // namespace

void InitVariant(VARIANT* value) noexcept {
  *value = VARIANT{};
}

void ClearVariant(VARIANT* value) noexcept {
  if (value->vt == VT_BSTR) FreeText(value->bstrVal);
  if (value->vt == (VT_ARRAY | VT_VARIANT)) ArrayDeleter()(value->parray);
  InitVariant(value);
}

void MakeIntArray(VARIANT* out, std::span<const std::uint16_t> values) {
  OwnedArray array = CreateVariantVector(values.size());
  auto* elements = static_cast<VARIANT*>(array->pvData);
  for (std::size_t i = 0; i < values.size(); ++i) MakeInt(&elements[i], values[i]);
  out->parray = array.release();
  out->vt = VT_ARRAY | VT_VARIANT;
}

BSTR AllocText(std::u16string_view text) {
  if (text.size() > UINT32_MAX / sizeof(OLECHAR)) throw std::bad_alloc();
  auto* block = new OLECHAR[kLengthChars + text.size() + 1];
  const auto bytes = static_cast<std::uint32_t>(text.size() * sizeof(OLECHAR));
  std::memcpy(block, &bytes, sizeof bytes);
  BSTR result = block + kLengthChars;
  text.copy(result, text.size());
  result[text.size()] = u'\0';
  return result;
}

void FreeText(BSTR text) noexcept {
  if (text != nullptr) delete[](text - kLengthChars);
}

std::u16string_view TextOf(BSTR text) noexcept {
  if (text == nullptr) return {};
  return {text, ByteLength(text) / sizeof(OLECHAR)};
}

void SetErrorDescription(std::u16string_view description) noexcept {
  try {
    lastErrorDescription.emplace(description);
  } catch (const std::bad_alloc&) {
    lastErrorDescription.reset();
  }
}

std::optional<std::u16string> TakeErrorDescription() {
  return std::exchange(lastErrorDescription, std::nullopt);
}

}  // namespace kestrane::server
