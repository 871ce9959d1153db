// Names parameterised test cases after the name field of their case.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace kestrane::test {

struct CaseName {
  template <class Case>
  std::string operator()(const testing::TestParamInfo<Case>& test) const {
    return test.param.name;
  }
};

}  // namespace kestrane::test
