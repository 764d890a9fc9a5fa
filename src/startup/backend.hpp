// What a program binds at start-up, chosen once for every program: the
// simulated board or the platform's device catalog, the pacing clock, and the
// recorder that traces and counts every call on whatever channel discovery binds.
#pragma once

#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <variant>

#include "platform/ks/catalog.hpp"
#include "platform/ks/clock.hpp"
#include "platform/ks/recorder.hpp"
#include "sim/simulator.hpp"
#include "startup/options.hpp"

namespace startup {

// What the platform offers of its own; nothing on platforms without a device.
struct Platform {
  ks::DeviceCatalog* catalog = nullptr;
  // Paces in real time (on Windows with 1 ms timer resolution); null: plain sleeps.
  ks::Clock* realClock = nullptr;
};

class Backend {
public:
  // The problem with the options (a usage error), or the backend.
  static std::variant<std::string, std::unique_ptr<Backend>>
  Open(const CommonOptions& options, Platform platform, std::ostream& traceDefault);

  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;
  ~Backend();

  ks::DeviceCatalog& catalog() { return *catalog_; }
  ks::Recorder& recorder() { return *recorder_; }
  // Null on the platform's device.
  sim::Simulator* simulator() { return simulator_.get(); }

private:
  Backend() = default;

  std::unique_ptr<sim::Simulator> simulator_;
  std::unique_ptr<ks::RealClock> plainClock_;
  ks::DeviceCatalog* catalog_ = nullptr;
  std::ofstream traceFile_;
  std::unique_ptr<ks::Recorder> recorder_;
};

} // namespace startup
