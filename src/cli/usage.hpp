// The usage line, the help text and the help of one command, all from one
// table of entries.
#pragma once

#include <string>
#include <string_view>

namespace cli {

extern const std::string_view kUsageLine;

// What --help prints: every option and every command, one entry each, the
// exit statuses and the simulated board's settings. `platformDevice`: this
// platform binds a device of its own without --sim.
std::string HelpText(bool platformDevice);

// The prompt's "help": the commands' synopses, one a line.
std::string CommandList();

// The prompt's "help COMMAND": the entries of the commands named `name`;
// empty when there is none.
std::string CommandHelp(std::string_view name);

} // namespace cli
