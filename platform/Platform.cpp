#include "platform/Platform.h"

#include <atomic>

namespace kestrane::platform {
namespace {
std::atomic<Platform*> installed{nullptr};
}  // namespace

Platform& Current() {
  Platform* platform = installed.load(std::memory_order_acquire);
  return platform != nullptr ? *platform : Native();
}

ScopedPlatform::ScopedPlatform(Platform& platform)
    : previous_(installed.exchange(&platform, std::memory_order_acq_rel)) {}

ScopedPlatform::~ScopedPlatform() {
  installed.store(previous_, std::memory_order_release);
}

}  // namespace kestrane::platform
