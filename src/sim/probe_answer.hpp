// How a property set answers the basic-support probe.
#pragma once

#include <optional>
#include <string_view>

namespace sim {

enum class ProbeAnswer {
  GetSet,
  GetOnly,
  SetOnly,
  None,  // the probe call fails
  Short, // succeeds with only 2 bytes returned
};

struct ProbeAnswers {
  ProbeAnswer deviceSet = ProbeAnswer::GetSet;
  ProbeAnswer fpgaSet = ProbeAnswer::GetSet;
};

// "getset", "get", "set", "none" or "short".
std::optional<ProbeAnswer> ParseProbeAnswer(std::string_view text);

} // namespace sim
