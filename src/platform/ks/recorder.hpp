// What a program keeps of the device traffic, whatever channel discovery
// binds (the simulated board, the real driver or a test fake): the trace, the
// call statistics and the pacing clock that records each pause.
#pragma once

#include <optional>
#include <string>

#include "platform/ks/call_stats.hpp"
#include "platform/ks/clock.hpp"
#include "platform/ks/ks_property.hpp"
#include "platform/ks/trace.hpp"
#include "platform/ks/tracing_clock.hpp"
#include "platform/ks/unknown.hpp"

namespace ks {

class Recorder {
public:
  // Pauses are recorded, then taken by `pacing` (real or virtual).
  explicit Recorder(Clock& pacing) : clock_(trace_, pacing) {}
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  Trace& trace() { return trace_; }
  const Trace& trace() const { return trace_; }
  CallStats& stats() { return stats_; }
  const CallStats& stats() const { return stats_; }
  Clock& clock() { return clock_; }

  // A channel that forwards every call to `channel` untouched and records it.
  ComPtr<KsControl> Wrap(ComPtr<KsControl> channel);

  // "N request(s) failed, first 0x8007001f", or nothing when none failed
  // since the last stats().Mark().
  std::optional<std::string> FailureSummary() const;

private:
  Trace trace_;
  CallStats stats_;
  TracingClock clock_;
};

} // namespace ks
