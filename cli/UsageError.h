// A command line the tool cannot run.
#pragma once

#include <stdexcept>

namespace kestrane::cli {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kestrane::cli
