// Owners of automation values that release them when they go out of scope.
#pragma once

#include <memory>

#include "server/Variant.h"

namespace kestrane::server {

class OwnedVariant {
 public:
  OwnedVariant() noexcept { InitVariant(&value_); }
  ~OwnedVariant() { ClearVariant(&value_); }
  OwnedVariant(const OwnedVariant&) = delete;
  OwnedVariant& operator=(const OwnedVariant&) = delete;

  VARIANT* get() noexcept { return &value_; }
  VARIANT& operator*() noexcept { return value_; }
  VARIANT* operator->() noexcept { return &value_; }

 private:
  VARIANT value_;
};

struct TextDeleter {
  void operator()(OLECHAR* text) const noexcept { FreeText(text); }
};
using OwnedText = std::unique_ptr<OLECHAR, TextDeleter>;

}  // namespace kestrane::server
