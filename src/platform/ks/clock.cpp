#include "platform/ks/clock.hpp"

#include <chrono>
#include <thread>

namespace ks {

void RealClock::Sleep(std::uint32_t ms) {
  // sleep_until on a steady deadline: a wake-up that comes early sleeps again.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_until(deadline);
}

std::uint64_t VirtualClock::total_ms() const {
  std::uint64_t total = 0;
  for (auto ms : pauses_)
    total += ms;
  return total;
}

} // namespace ks
