// What every control channel of one simulated run shares: the injected
// faults, the trace and the failure count.
#pragma once

#include "sim/call_stats.hpp"
#include "sim/faults.hpp"
#include "sim/trace.hpp"

namespace sim {

struct Session {
  Faults faults;
  Trace trace;
  CallStats stats;
};

} // namespace sim
