#include "server/VariantTypeName.h"

#include <array>
#include <string_view>

namespace kestrane::server {
namespace {

// Indexed by the basic type, as the automation type names go.
constexpr std::array<std::string_view, 24> kBasicNames = {
    "Empty",  "Null",   "Integer", "Long",    "Single",   "Double",    "Currency", "Date",
    "String", "Object", "Error",   "Boolean", "Variant",  "Unknown",   "Decimal",  "type 15",
    "Char",   "Byte",   "UShort",  "ULong",   "LongLong", "ULongLong", "Int",      "UInt"};

constexpr unsigned kArray = 0x2000;
constexpr unsigned kByRef = 0x4000;
constexpr unsigned kTypeMask = 0x0FFF;

}  // namespace

std::string VariantTypeName(unsigned vt) {
  const unsigned basic = vt & kTypeMask;
  std::string name = basic < kBasicNames.size() ? std::string(kBasicNames[basic])
                                                : "type " + std::to_string(basic);
  if ((vt & kArray) != 0) name = "array of " + name;
  if ((vt & kByRef) != 0) name = "reference to " + name;
  return name;
}

std::string NoTextFormMessage(unsigned vt) {
  return "Cannot convert a value of type " + VariantTypeName(vt) + " to text";
}

}  // namespace kestrane::server
