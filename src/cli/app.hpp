// The program: options, the source of the commands, the backend and its
// trace, then the commands on one dialog. Returns the exit status.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

#include "startup/backend.hpp"

namespace cli {

struct Console {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool inIsTerminal = false;
  bool errIsTerminal = false;
};

// args excludes the program name. The platform's device catalog is used
// unless --sim is given; without one the simulated board is the default.
int RunCli(std::span<const std::string> args, Console console, startup::Platform platform = {});

} // namespace cli
