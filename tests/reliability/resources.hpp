// What a handler must give back on every path: file descriptors and heap.
#pragma once

#include <cstddef>
#include <filesystem>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELTA_LEAK_CHECK 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VELTA_LEAK_CHECK 1
#endif

#ifdef VELTA_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace reliability {

inline std::size_t OpenDescriptors() {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
    ++n;
  return n;
}

// True when the leak checker found unreachable heap blocks. Only sanitizer
// builds (make asan) can look; elsewhere it finds nothing.
inline bool HeapLeaked() {
#ifdef VELTA_LEAK_CHECK
  return __lsan_do_recoverable_leak_check() != 0;
#else
  return false;
#endif
}

} // namespace reliability
