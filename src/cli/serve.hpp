// --serve: the dialog as a long-lived console for programs. Each request
// line runs one command of the command line and gets one answer line: the
// lines it printed, its message boxes and its failed requests; a firmware
// load sends progress lines before it. End of input ends the dialog as
// Cancel does.
#pragma once

#include <cstdint>

#include "cli/app.hpp"
#include "platform/ks/catalog.hpp"
#include "platform/ks/recorder.hpp"

namespace cli {

// The exit status: 1 when no device was found, else 0.
// Reads of the EEPROM ask for readChunk bytes a request.
int ServeDialog(Console io, ks::DeviceCatalog& catalog, ks::Recorder& recorder,
                std::uint32_t readChunk);

} // namespace cli
