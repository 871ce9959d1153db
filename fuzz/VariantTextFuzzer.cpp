// The variant-to-text conversion of the automation object's arguments, on variants of any
// type built from the input (by value, by reference, and references to variants), followed by
// the narrowing to the ANSI code page: text or a refusal, never a crash.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "FuzzCheck.h"
#include "platform/CodePage.h"
#include "server/AutomationError.h"
#include "server/Variant.h"

namespace kestrane::fuzz {
namespace {

using namespace server;

constexpr int kMaxDepth = 3;

// A variant and everything it points to, released together.
class BuiltVariant {
 public:
  BuiltVariant(FuzzedDataProvider& input, int depth) {
    value_.vt = input.ConsumeIntegral<VARTYPE>();
    if (input.ConsumeBool()) value_.vt &= VT_TYPEMASK | VT_BYREF;  // often no array flag
    Fill(input, depth);
  }
  ~BuiltVariant() { FreeText(text_); }
  BuiltVariant(const BuiltVariant&) = delete;
  BuiltVariant& operator=(const BuiltVariant&) = delete;

  const VARIANT& value() const { return value_; }
  // The integer the variant holds by value, for the types whose text is their decimal form.
  std::optional<std::string> DecimalOf() const;

 private:
  void Fill(FuzzedDataProvider& input, int depth) {
    const auto type = static_cast<VARTYPE>(value_.vt & VT_TYPEMASK);
    // Pointers of a variant never point anywhere but into this object, or are null.
    if (type == VT_BSTR) {
      text_ = input.ConsumeBool() ? nullptr : AllocText(Utf16Text(input));
      held_.bstrVal = text_;
    } else {
      held_.ullVal = input.ConsumeIntegral<std::uint64_t>();
    }
    const bool byRef = (value_.vt & VT_BYREF) != 0;
    if (byRef && type == VT_VARIANT && depth < kMaxDepth && input.ConsumeBool()) {
      inner_ = std::make_unique<BuiltVariant>(input, depth + 1);
      value_.pvarVal = &inner_->value_;
    } else if (byRef) {
      // The held value stands for every type but a variant, whose reference stays null.
      const bool null = type == VT_VARIANT || input.ConsumeBool();
      value_.byref = null ? nullptr : &held_.ullVal;
    } else {
      value_.ullVal = held_.ullVal;
    }
  }

  static std::u16string Utf16Text(FuzzedDataProvider& input) {
    const auto bytes = input.ConsumeRandomLengthString(64);
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
      text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                      static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return text;
  }

  VARIANT value_{};
  VARIANT held_{};
  BSTR text_ = nullptr;
  std::unique_ptr<BuiltVariant> inner_;
};

std::optional<std::string> BuiltVariant::DecimalOf() const {
  switch (value_.vt) {
    case VT_I1:
      return std::to_string(static_cast<signed char>(value_.cVal));
    case VT_UI1:
      return std::to_string(value_.bVal);
    case VT_I2:
      return std::to_string(value_.iVal);
    case VT_UI2:
      return std::to_string(value_.uiVal);
    case VT_I4:
      return std::to_string(value_.lVal);
    case VT_UI4:
      return std::to_string(value_.ulVal);
    case VT_I8:
      return std::to_string(value_.llVal);
    case VT_UI8:
      return std::to_string(value_.ullVal);
    case VT_INT:
      return std::to_string(value_.intVal);
    case VT_UINT:
      return std::to_string(value_.uintVal);
    default:
      return std::nullopt;
  }
}

std::u16string Widened(const std::string& ascii) {
  return {ascii.begin(), ascii.end()};
}

}  // namespace
}  // namespace kestrane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrane;
  FuzzedDataProvider input(data, size);
  const unsigned codePage = input.PickValueInArray({936u, 950u, 1252u, 65001u});
  const fuzz::BuiltVariant variant(input, 0);
  try {
    const std::u16string text = server::VariantToText(variant.value());
    if (const auto decimal = variant.DecimalOf()) {
      fuzz::Require(text == fuzz::Widened(*decimal), "an integer reads as its decimal text");
    }
    if (variant.value().vt == server::VT_BSTR) {
      fuzz::Require(text == server::TextOf(variant.value().bstrVal), "a string stays itself");
    }
    platform::FromUtf16(codePage, text);
  } catch (const server::AutomationError& error) {
    fuzz::Require(server::FAILED(error.result()), "a refusal carries a failing result");
    fuzz::Require(*error.what() != '\0', "a refusal has a message");
  }
  return 0;
}
