#include "sim/simulator.hpp"

#include <cstdio>
#include <stdexcept>

#include "sim/config.hpp"

namespace sim {

Simulator::Simulator(const std::vector<std::string>& settings, TimeMode time)
    : session_(std::make_shared<Session>()), board_(std::make_shared<Board>()) {
  CatalogOptions options;
  Setup setup{options, *board_, session_->faults};
  for (const std::string& setting : settings)
    if (const auto error = ApplySetting(setting, setup))
      throw std::invalid_argument(*error);
  catalog_ = std::make_unique<SimCatalog>(options, board_, session_);

  ks::Clock* inner = nullptr;
  if (time == TimeMode::Virtual) {
    virtualClock_ = std::make_unique<ks::VirtualClock>();
    inner = virtualClock_.get();
  } else {
    innerClock_ = std::make_unique<ks::RealClock>();
    inner = innerClock_.get();
  }
  tracingClock_ = std::make_unique<TracingClock>(session_->trace, *inner);
}

std::optional<std::string> Simulator::FailureSummary() const {
  const auto first = FirstFailure();
  if (!first)
    return std::nullopt;
  char text[80];
  std::snprintf(text, sizeof text, "%llu request(s) failed, first 0x%08x",
                static_cast<unsigned long long>(FailedCalls()), static_cast<std::uint32_t>(*first));
  return text;
}

} // namespace sim
