// What every control channel of one simulated run shares: the injected faults.
#pragma once

#include "sim/faults.hpp"

namespace sim {

struct Session {
  Faults faults;
};

} // namespace sim
