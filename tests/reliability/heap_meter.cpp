#include "heap_meter.hpp"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};
std::atomic<std::size_t> limit{SIZE_MAX};

void* Take(std::size_t size) {
  if (size > limit.load() - std::min(inUse.load(), limit.load()))
    throw std::bad_alloc();
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr)
    throw std::bad_alloc();
  const std::size_t now = inUse += malloc_usable_size(p);
  std::size_t seen = peak.load();
  while (now > seen && !peak.compare_exchange_weak(seen, now)) {
  }
  return p;
}

void Give(void* p) noexcept {
  if (p == nullptr)
    return;
  inUse -= malloc_usable_size(p);
  std::free(p);
}

} // namespace

void* operator new(std::size_t size) {
  return Take(size);
}
void* operator new[](std::size_t size) {
  return Take(size);
}
void operator delete(void* p) noexcept {
  Give(p);
}
void operator delete[](void* p) noexcept {
  Give(p);
}
void operator delete(void* p, std::size_t) noexcept {
  Give(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  Give(p);
}

namespace reliability {

std::size_t HeapInUse() {
  return inUse.load();
}
std::size_t HeapPeak() {
  return peak.load();
}
void ResetHeapPeak() {
  peak.store(inUse.load());
}
void LimitHeap(std::size_t bytes) {
  limit.store(bytes);
}

} // namespace reliability
