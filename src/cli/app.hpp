// The program: options, the source of the commands, the simulated board and
// its trace, then the commands on one dialog. Returns the exit status.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

#include "platform/ks/catalog.hpp"
#include "platform/ks/clock.hpp"

namespace cli {

struct Console {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool inIsTerminal = false;
  bool errIsTerminal = false;
};

// The platform's own device catalog and clock, used unless --sim is given;
// without one the simulated board is the default.
struct PlatformDevice {
  ks::DeviceCatalog* catalog = nullptr;
  ks::Clock* clock = nullptr;
};

// args excludes the program name.
int RunCli(std::span<const std::string> args, Console console, PlatformDevice platform = {});

} // namespace cli
