// Sets or unsets an environment variable for the lifetime of this object.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace kestrane::test {

class ScopedEnv {
 public:
  // A value of nullopt unsets the variable.
  ScopedEnv(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) previous_ = old;
    Apply(value);
  }
  ~ScopedEnv() { Apply(previous_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Apply(const std::optional<std::string>& value) const {
    if (value) {
      ::setenv(name_.c_str(), value->c_str(), 1);
    } else {
      ::unsetenv(name_.c_str());
    }
  }

  std::string name_;
  std::optional<std::string> previous_;
};

}  // namespace kestrane::test
