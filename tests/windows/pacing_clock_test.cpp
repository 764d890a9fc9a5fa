// The first pause raises the timer resolution to 1 ms; the clock restores it when it goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/windows/pacing_clock.hpp"

namespace {

std::vector<std::string> gCalls;
std::uint32_t gBeginAnswer = 0;

std::uint32_t Begin(std::uint32_t ms) {
  gCalls.push_back("begin " + std::to_string(ms));
  return gBeginAnswer;
}
std::uint32_t End(std::uint32_t ms) {
  gCalls.push_back("end " + std::to_string(ms));
  return 0;
}

class RecordingClock : public ks::Clock {
public:
  void Sleep(std::uint32_t ms) override { gCalls.push_back("sleep " + std::to_string(ms)); }
};

struct PacingCase {
  std::uint32_t beginAnswer;
  std::vector<std::string> calls;
};

class FineTimerClockTest : public ::testing::TestWithParam<PacingCase> {};

TEST_P(FineTimerClockTest, RaisesTheResolutionOnceForAllPauses) {
  gCalls.clear();
  gBeginAnswer = GetParam().beginAnswer;
  RecordingClock inner;
  {
    win::FineTimerClock clock(inner, {Begin, End});
    clock.Sleep(20);
    clock.Sleep(1);
  }
  EXPECT_EQ(gCalls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FineTimerClockTest,
    ::testing::Values(PacingCase{0, {"begin 1", "sleep 20", "sleep 1", "end 1"}},
                      // TIMERR_NOCANDO: nothing was raised, so nothing is restored.
                      PacingCase{97, {"begin 1", "sleep 20", "sleep 1"}}));

} // namespace
