// The simulated board with everything around it: catalog entry, faults and
// pacing clock, set up from KEY=VALUE settings (see config.hpp). What is sent
// to it is recorded by whoever binds it (ks::Recorder), as for any device.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ks/catalog.hpp"
#include "platform/ks/clock.hpp"
#include "sim/board.hpp"
#include "sim/session.hpp"
#include "sim/sim_catalog.hpp"

namespace sim {

enum class TimeMode { Real, Virtual };

class Simulator {
public:
  // Throws std::invalid_argument carrying the message of the first bad setting.
  explicit Simulator(const std::vector<std::string>& settings = {}, TimeMode time = TimeMode::Real);
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  ks::DeviceCatalog& catalog() { return *catalog_; }
  SimCatalog& simCatalog() { return *catalog_; }
  // Sleeps, or in virtual time just notes the pause.
  ks::Clock& clock() { return *clock_; }
  // The virtual clock; null in real time.
  ks::VirtualClock* virtualClock() { return virtualClock_; }
  Board& board() { return *board_; }
  Faults& faults() { return session_->faults; }

private:
  std::shared_ptr<Session> session_;
  std::shared_ptr<Board> board_;
  std::unique_ptr<SimCatalog> catalog_;
  std::unique_ptr<ks::Clock> clock_;
  ks::VirtualClock* virtualClock_ = nullptr;
};

} // namespace sim
