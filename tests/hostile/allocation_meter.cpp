// Counting replacements of the global operator new and delete. Each block carries its
// size in a header in front of it, so that delete knows what it gives back.
#include "tests/hostile/allocation_meter.h"

#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kHeader = 16;  // keeps the block aligned as malloc's
std::size_t live = 0;
std::size_t peak = 0;
int meters = 0;

void* Allocate(std::size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) return nullptr;
  *static_cast<std::size_t*>(block) = size;
  live += size;
  if (meters > 0 && live > peak) peak = live;
  return static_cast<char*>(block) + kHeader;
}

void Free(void* p) {
  if (p == nullptr) return;
  void* block = static_cast<char*>(p) - kHeader;
  live -= *static_cast<std::size_t*>(block);
  std::free(block);
}

void* AllocateOrThrow(std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}

}  // namespace

AllocationMeter::AllocationMeter() : start_(live) {
  if (meters++ == 0) peak = live;
}

AllocationMeter::~AllocationMeter() { --meters; }

std::size_t AllocationMeter::PeakBytes() const { return peak > start_ ? peak - start_ : 0; }

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Free(p); }
