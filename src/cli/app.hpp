// The program: options, the source of the commands, the simulated board and
// its trace, then the commands on one dialog. Returns the exit status.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

namespace cli {

struct Console {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool inIsTerminal = false;
  bool errIsTerminal = false;
};

// args excludes the program name.
int RunCli(std::span<const std::string> args, Console console);

} // namespace cli
