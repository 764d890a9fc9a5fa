#include "startup/backend.hpp"

#include <stdexcept>

#include "platform/files/open_file.hpp"

namespace startup {

std::variant<std::string, std::unique_ptr<Backend>>
Backend::Open(const CommonOptions& options, Platform platform, std::ostream& traceDefault) {
  const bool onDevice = platform.catalog != nullptr && !options.sim;
  if (onDevice && (!options.simSettings.empty() || options.virtualTime))
    return std::string("--sim-set and --virtual-time need --sim");

  std::unique_ptr<Backend> backend(new Backend);
  ks::Clock* pacing = platform.realClock;
  if (onDevice) {
    backend->catalog_ = platform.catalog;
  } else {
    try {
      backend->simulator_ = std::make_unique<sim::Simulator>(
          options.simSettings, options.virtualTime ? sim::TimeMode::Virtual : sim::TimeMode::Real);
    } catch (const std::invalid_argument& error) {
      return std::string("--sim-set: ") + error.what();
    }
    backend->catalog_ = &backend->simulator_->catalog();
    if (options.virtualTime || pacing == nullptr)
      pacing = &backend->simulator_->clock();
  }
  if (pacing == nullptr) {
    backend->plainClock_ = std::make_unique<ks::RealClock>();
    pacing = backend->plainClock_.get();
  }

  backend->recorder_ = std::make_unique<ks::Recorder>(*pacing);
  // The programs run for as long as the user likes: the trace is written, not kept.
  ks::Trace& trace = backend->recorder_->trace();
  trace.set_keepEvents(false);
  if (options.trace) {
    std::ostream* out = &traceDefault;
    if (!options.traceFile.empty()) {
      backend->traceFile_.open(files::PathOf(options.traceFile.c_str()),
                               std::ios::binary | std::ios::trunc);
      if (!backend->traceFile_)
        return "cannot write the trace to " + options.traceFile;
      out = &backend->traceFile_;
    }
    trace.StreamTo(out);
  }
  return backend;
}

Backend::~Backend() {
  if (recorder_)
    recorder_->trace().StreamTo(nullptr);
}

} // namespace startup
