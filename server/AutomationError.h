// An error that leaves an automation method with a particular failing HRESULT.
#pragma once

#include <stdexcept>
#include <string>

#include "server/Variant.h"

namespace kestrane::server {

class AutomationError : public std::runtime_error {
 public:
  AutomationError(HRESULT result, const std::string& message)
      : std::runtime_error(message), result_(result) {}
  HRESULT result() const { return result_; }

 private:
  HRESULT result_;
};

}  // namespace kestrane::server
