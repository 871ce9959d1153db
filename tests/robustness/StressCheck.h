// Runs the stress workload against a target on a fresh table file and checks the outcome:
// every result one table state, no save lost, no message shown.
#pragma once

#include "StressWorkload.h"

namespace kestrane::test {

void CheckStress(StressTarget& target);

}  // namespace kestrane::test
