#include "platform/ks/clock.hpp"

#include <chrono>
#include <thread>

namespace ks {

void RealClock::Sleep(std::uint32_t ms) {
  // A sleeper wakes late (timer slack, a busy CPU) and the loaders' pauses add
  // up over hundreds of requests: sleep to just short of the steady deadline,
  // then yield until it has passed, so never shorter and barely longer.
  constexpr auto kWakeMargin = std::chrono::microseconds(250);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  if (ms > 0)
    std::this_thread::sleep_until(deadline - kWakeMargin);
  while (std::chrono::steady_clock::now() < deadline)
    std::this_thread::yield();
}

std::uint64_t VirtualClock::total_ms() const {
  std::uint64_t total = 0;
  for (auto ms : pauses_)
    total += ms;
  return total;
}

} // namespace ks
