// The methods of the IClass1 interface, in interface order: the one list that the type
// library and the portable late binding both follow.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace kestrane::server {

enum class DispId : std::int32_t {
  ReLoad = 1,
  GetBIG5Data,
  GetGBData,
  GBtoBIG5,
  BIG5toGB,
  SaveOrder,
  DisConnect,
  Version
};

// What a method's [out, retval] parameter holds.
enum class ResultType { None, Variant, Text };

struct MethodInfo {
  DispId id;
  std::string_view name;
  std::size_t inputCount;
  std::array<std::string_view, 4> inputNames;  // [in] VARIANT* parameters, the first inputCount
  std::string_view resultName;                 // empty when resultType is None
  ResultType resultType;

  std::span<const std::string_view> inputs() const { return {inputNames.data(), inputCount}; }
};

inline constexpr std::array<MethodInfo, 8> kMethods = {{
    {DispId::ReLoad, "ReLoad", 0, {}, "xResult", ResultType::Variant},
    {DispId::GetBIG5Data, "GetBIG5Data", 0, {}, "xReturData", ResultType::Variant},
    {DispId::GetGBData, "GetGBData", 0, {}, "xReturData", ResultType::Variant},
    {DispId::GBtoBIG5, "GBtoBIG5", 1, {"xInData"}, "xOutData", ResultType::Variant},
    {DispId::BIG5toGB, "BIG5toGB", 1, {"xInData"}, "xOutData", ResultType::Variant},
    {DispId::SaveOrder,
     "SaveOrder",
     4,
     {"xBIG5Char", "xBIG5Code", "xGBChar", "xGBCode"},
     "xResultData",
     ResultType::Variant},
    {DispId::DisConnect, "DisConnect", 0, {}, "", ResultType::None},
    {DispId::Version, "Version", 0, {}, "Value", ResultType::Text},
}};

}  // namespace kestrane::server
