// Re-sends a recorded trace to whatever device discovery binds and shows every
// call whose answer (result code or buffer after the call) differs from the
// recording.
#pragma once

#include <ostream>
#include <string>

#include "platform/ks/catalog.hpp"
#include "platform/ks/recorder.hpp"

namespace cli {

// What a replay comes to; a failure that the recording also shows is no
// difference, so there is no "request failed" status.
enum ReplayStatus {
  kReplaySame = 0,
  kReplayNoDevice = 1,
  kReplayBadTrace = 2,
  kReplayDiffers = 4,
};

struct ReplayStreams {
  std::ostream& out;
  std::ostream& err;
};

// Checks the whole file, then binds the device as at start-up (discovery and
// its probes, not the dialog's opening) and sends each recorded call in order
// with its recorded record, data and length; each recorded pause goes to the
// recorder's clock, and the recorder traces the replay itself. A differing
// call prints "#N SUMMARY: expected ..., got ..." on out, the end "replayed N
// calls, M differ".
ReplayStatus RunReplay(const std::string& path, ReplayStreams io, ks::DeviceCatalog& catalog,
                       ks::Recorder& recorder);

} // namespace cli
