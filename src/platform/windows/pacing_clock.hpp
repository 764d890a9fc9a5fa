// Clocks for Windows. The system timer ticks every 15.6 ms by default, so a
// Sleep(1) of a pacing loader would last a whole tick and a logarithm load
// seconds instead of a quarter second. The first pause raises the timer
// resolution to 1 ms and it stays raised until the clock goes: a new
// resolution takes effect only from the system's next tick, so a pause right
// after each raise could still last a whole 15.6 ms tick.
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

// Lets the inner clock take its pauses with 1 ms timer resolution.
class FineTimerClock : public ks::Clock {
public:
  explicit FineTimerClock(ks::Clock& inner, TimerPeriodApi api = SystemTimerPeriodApi())
      : inner_(inner), api_(api) {}
  ~FineTimerClock() override;
  FineTimerClock(const FineTimerClock&) = delete;
  FineTimerClock& operator=(const FineTimerClock&) = delete;
  void Sleep(std::uint32_t ms) override;

private:
  ks::Clock& inner_;
  TimerPeriodApi api_;
  bool asked_ = false;
  bool raised_ = false;
};

} // namespace win
