// The few variant operations the automation object needs. On Windows they work on the OLE
// Automation types; elsewhere on their portable counterparts, with the same names and rules.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#ifdef _WIN32
#include "server/OleVariant.h"
#else
#include "server/PortableVariant.h"
#endif

namespace kestrane::server {

// Writes the empty variant over value without releasing what it held: an out value arrives
// uninitialised.
void InitVariant(VARIANT* value) noexcept;

// Releases what value holds and leaves the empty variant.
void ClearVariant(VARIANT* value) noexcept;

// The value as text by the platform's standard conversion: strings unchanged, the empty
// variant as "", numbers in decimal, booleans as "True" or "False". Throws AutomationError
// with the conversion's HRESULT when the value has no text form (Null, for example).
std::u16string VariantToText(const VARIANT& value);

// The Make functions fill an empty or uninitialised out value; on an exception it is left
// untouched.
void MakeText(VARIANT* out, std::u16string_view text);
void MakeBool(VARIANT* out, bool value);
void MakeInt(VARIANT* out, std::int32_t value);
// A one-dimensional array with lower bound 0 of 32-bit integer variants.
void MakeIntArray(VARIANT* out, std::span<const std::uint16_t> values);

// A new BSTR holding text, embedded zeros included; throws std::bad_alloc.
BSTR AllocText(std::u16string_view text);
void FreeText(BSTR text) noexcept;
// The characters of a BSTR; a null BSTR is the empty text.
std::u16string_view TextOf(BSTR text) noexcept;

// The error information of the calling thread, as IErrorInfo carries it: set by a failing
// method, taken (and cleared) by its caller.
void SetErrorDescription(std::u16string_view description) noexcept;
std::optional<std::u16string> TakeErrorDescription();

}  // namespace kestrane::server
