// Names parameterised test cases after the `name` field of their parameter.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace kestrane::test {

struct CaseName {
  template <typename Param>
  std::string operator()(const testing::TestParamInfo<Param>& testInfo) const {
    return testInfo.param.name;
  }
};

}  // namespace kestrane::test
