// Clocks for Windows. The system timer ticks every 15.6 ms by default, so a
// Sleep(1) of a pacing loader would last a whole tick and a logarithm load
// seconds instead of a quarter second. Around each pause the timer resolution
// is raised to 1 ms, and restored afterwards.
#pragma once

#include <cstdint>

#include "platform/ks/clock.hpp"

namespace win {

// Sleeps with the system's Sleep.
class SystemSleepClock : public ks::Clock {
public:
  void Sleep(std::uint32_t ms) override;
};

// The timer-resolution calls, replaceable for tests; each returns 0 when it
// took effect.
struct TimerPeriodApi {
  std::uint32_t (*begin)(std::uint32_t ms);
  std::uint32_t (*end)(std::uint32_t ms);
};

TimerPeriodApi SystemTimerPeriodApi();

// Lets the inner clock take each pause with 1 ms timer resolution.
class FineTimerClock : public ks::Clock {
public:
  explicit FineTimerClock(ks::Clock& inner, TimerPeriodApi api = SystemTimerPeriodApi())
      : inner_(inner), api_(api) {}
  void Sleep(std::uint32_t ms) override;

private:
  ks::Clock& inner_;
  TimerPeriodApi api_;
};

} // namespace win
