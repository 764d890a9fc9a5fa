#include "sim/simulator.hpp"

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

  if (time == TimeMode::Virtual) {
    auto virtualClock = std::make_unique<ks::VirtualClock>();
    virtualClock_ = virtualClock.get();
    clock_ = std::move(virtualClock);
  } else {
    clock_ = std::make_unique<ks::RealClock>();
  }
}

} // namespace sim
