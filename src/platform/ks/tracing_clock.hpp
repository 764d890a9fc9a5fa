// A clock that records each pause in the trace, then lets the wrapped clock
// (real or virtual) take it.
#pragma once

#include "platform/ks/clock.hpp"
#include "platform/ks/trace.hpp"

namespace ks {

class TracingClock : public Clock {
public:
  TracingClock(Trace& trace, Clock& inner) : trace_(trace), inner_(inner) {}

  void Sleep(std::uint32_t ms) override {
    trace_.Record(SleepEvent{ms});
    inner_.Sleep(ms);
  }

private:
  Trace& trace_;
  Clock& inner_;
};

} // namespace ks
