#include "StressCheck.h"

#include <gtest/gtest.h>

#include <iostream>

#include "StressHost.h"

namespace kestrane::test {

void CheckStress(StressTarget& target) {
  StressHost host(StressLanguageText());
  const auto report = RunStress(target, StressDuration(std::chrono::seconds(3)));
  std::cout << Describe(report) << "\n";
  EXPECT_GT(report.saves, 0u);
  EXPECT_GT(report.conversions, 0u);
  EXPECT_EQ(report.mixed, 0u);
  EXPECT_EQ(report.stale, 0u);
  EXPECT_EQ(report.failedCalls, 0u);
  EXPECT_EQ(report.lost, 0u);
  EXPECT_EQ(host.messages(), 0u);
}

}  // namespace kestrane::test
