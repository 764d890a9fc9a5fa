#include "sim/probe_answer.hpp"

namespace sim {

std::optional<ProbeAnswer> ParseProbeAnswer(std::string_view text) {
  if (text == "getset")
    return ProbeAnswer::GetSet;
  if (text == "get")
    return ProbeAnswer::GetOnly;
  if (text == "set")
    return ProbeAnswer::SetOnly;
  if (text == "none")
    return ProbeAnswer::None;
  if (text == "short")
    return ProbeAnswer::Short;
  return std::nullopt;
}

} // namespace sim
