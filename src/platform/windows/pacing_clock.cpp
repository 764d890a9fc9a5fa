#include "platform/windows/pacing_clock.hpp"

// Windows headers last (see windows_api.hpp).
#include "platform/windows/windows_api.hpp"

namespace win {

namespace {

constexpr std::uint32_t kResolutionMs = 1;

std::uint32_t BeginPeriod(std::uint32_t ms) {
  return timeBeginPeriod(ms);
}
std::uint32_t EndPeriod(std::uint32_t ms) {
  return timeEndPeriod(ms);
}

} // namespace

void SystemSleepClock::Sleep(std::uint32_t ms) {
  ::Sleep(ms);
}

TimerPeriodApi SystemTimerPeriodApi() {
  return {BeginPeriod, EndPeriod};
}

FineTimerClock::~FineTimerClock() {
  // Only a raise that took effect is undone.
  if (raised_)
    api_.end(kResolutionMs);
}

void FineTimerClock::Sleep(std::uint32_t ms) {
  // Asked once: a refusal now would be a refusal at every pause.
  if (!asked_) {
    asked_ = true;
    raised_ = api_.begin(kResolutionMs) == TIMERR_NOERROR;
  }
  inner_.Sleep(ms);
}

} // namespace win
