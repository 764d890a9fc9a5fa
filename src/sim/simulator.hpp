// The simulated board with everything around it: catalog entry, faults,
// trace and clock, set up from KEY=VALUE settings (see config.hpp).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ks/catalog.hpp"
#include "platform/ks/clock.hpp"
#include "sim/board.hpp"
#include "sim/session.hpp"
#include "sim/sim_catalog.hpp"
#include "sim/tracing_clock.hpp"

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
  // Records each pause in the trace, then sleeps or (virtual time) just notes it.
  ks::Clock& clock() { return *tracingClock_; }
  // The underlying virtual clock; null in real time.
  ks::VirtualClock* virtualClock() { return virtualClock_.get(); }
  Board& board() { return *board_; }
  Trace& trace() { return session_->trace; }
  Faults& faults() { return session_->faults; }

  // Property calls and failures since the last ResetFailureCount().
  void ResetFailureCount() { session_->stats.Mark(); }
  std::uint64_t TotalCalls() const { return session_->stats.calls(); }
  std::uint64_t FailedCalls() const { return session_->stats.failed(); }
  std::optional<ks::HResult> FirstFailure() const { return session_->stats.firstFailure(); }
  // "N request(s) failed, first 0x8007001f", or nothing when none failed.
  std::optional<std::string> FailureSummary() const;

private:
  std::shared_ptr<Session> session_;
  std::shared_ptr<Board> board_;
  std::unique_ptr<SimCatalog> catalog_;
  std::unique_ptr<ks::Clock> innerClock_;
  std::unique_ptr<ks::VirtualClock> virtualClock_;
  std::unique_ptr<TracingClock> tracingClock_;
};

} // namespace sim
