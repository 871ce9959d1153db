// Measures the memory an operation takes from operator new: the program that links this file
// counts every allocation, and a meter reports the most held at once since it was created.
#pragma once

#include <cstddef>

namespace kestrane::test {

class AllocationMeter {
 public:
  AllocationMeter();

  // The most bytes held at once since construction, beyond those held at construction.
  std::size_t PeakGrowth() const;

 private:
  std::size_t base_;
};

}  // namespace kestrane::test
