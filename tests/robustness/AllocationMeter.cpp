#include "AllocationMeter.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

namespace kestrane::test {
namespace {

constexpr std::size_t kDefaultAlignment = __STDCPP_DEFAULT_NEW_ALIGNMENT__;

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};

// Each block starts with a header that keeps the alignment and ends with the block's size.
std::size_t HeaderFor(std::size_t alignment) {
  return std::max(alignment, kDefaultAlignment);
}

void Count(std::size_t size) {
  const std::size_t now = held.fetch_add(size) + size;
  std::size_t highest = peak.load();
  while (now > highest && !peak.compare_exchange_weak(highest, now)) {
  }
}

void* Allocate(std::size_t size, std::size_t alignment = kDefaultAlignment) noexcept {
  const std::size_t header = HeaderFor(alignment);
  const std::size_t total = (header + size + alignment - 1) / alignment * alignment;
  auto* block = static_cast<unsigned char*>(
      alignment <= kDefaultAlignment ? std::malloc(total) : std::aligned_alloc(alignment, total));
  if (block == nullptr) return nullptr;
  unsigned char* result = block + header;
  std::memcpy(result - sizeof size, &size, sizeof size);
  Count(size);
  return result;
}

void Release(void* pointer, std::size_t alignment = kDefaultAlignment) noexcept {
  if (pointer == nullptr) return;
  auto* result = static_cast<unsigned char*>(pointer);
  std::size_t size;
  std::memcpy(&size, result - sizeof size, sizeof size);
  held.fetch_sub(size);
  std::free(result - HeaderFor(alignment));
}

void* AllocateOrThrow(std::size_t size, std::size_t alignment = kDefaultAlignment) {
  void* pointer = Allocate(size, alignment);
  if (pointer == nullptr) throw std::bad_alloc();
  return pointer;
}

std::size_t Bytes(std::align_val_t alignment) {
  return static_cast<std::size_t>(alignment);
}

}  // namespace

AllocationMeter::AllocationMeter() : base_(held.load()) {
  peak.store(base_);
}

std::size_t AllocationMeter::PeakGrowth() const {
  return peak.load() - base_;
}

}  // namespace kestrane::test

// Every form of the global operators is replaced, so that none from the runtime (a
// sanitizer's, say) is linked beside these.
using kestrane::test::Allocate;
using kestrane::test::AllocateOrThrow;
using kestrane::test::Bytes;
using kestrane::test::Release;

void* operator new(std::size_t size) {
  return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
  return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  return AllocateOrThrow(size, Bytes(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return AllocateOrThrow(size, Bytes(alignment));
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return Allocate(size, Bytes(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return Allocate(size, Bytes(alignment));
}

void operator delete(void* pointer) noexcept {
  Release(pointer);
}
void operator delete[](void* pointer) noexcept {
  Release(pointer);
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
  Release(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
  Release(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
  Release(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
  Release(pointer);
}
void operator delete(void* pointer, std::align_val_t alignment) noexcept {
  Release(pointer, Bytes(alignment));
}
void operator delete[](void* pointer, std::align_val_t alignment) noexcept {
  Release(pointer, Bytes(alignment));
}
void operator delete(void* pointer, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  Release(pointer, Bytes(alignment));
}
void operator delete[](void* pointer, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  Release(pointer, Bytes(alignment));
}
void operator delete(void* pointer, std::size_t, std::align_val_t alignment) noexcept {
  Release(pointer, Bytes(alignment));
}
void operator delete[](void* pointer, std::size_t, std::align_val_t alignment) noexcept {
  Release(pointer, Bytes(alignment));
}
