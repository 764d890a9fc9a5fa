// The interactive session on a terminal: one command a line on the open
// dialog, with "help" and "quit". A line that is not a command prints its
// problem and changes nothing: only what ran decides the exit status.
#pragma once

#include "cli/app.hpp"
#include "cli/runner.hpp"

namespace cli {

void RunPrompt(Runner& runner, Console& io, bool stopOnError);

} // namespace cli
