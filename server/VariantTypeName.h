// Readable names of variant types, for error messages.
#pragma once

#include <string>

namespace kestrane::server {

// "Null", "Double", "array of Variant", "reference to Long", "type 99" ...
std::string VariantTypeName(unsigned vt);

// The message of a variant that cannot be turned into text.
std::string NoTextFormMessage(unsigned vt);

}  // namespace kestrane::server
