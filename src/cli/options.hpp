// The program's options, read from the arguments before the first command.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/command.hpp"

namespace cli {

struct Options {
  bool help = false;
  bool version = false;
  bool virtualTime = false;
  // --sim: the simulated board even where the platform has a device catalog.
  bool sim = false;
  std::vector<std::string> simSettings;
  bool trace = false;
  // Where the trace goes; empty means standard error.
  std::string traceFile;
  // "--script FILE"; "-" is standard input.
  std::optional<std::string> script;
  // "--replay FILE": re-send a recorded trace instead of running commands.
  std::optional<std::string> replay;
  std::vector<Command> commands;
};

struct ParsedOptions {
  Options options;
  // Names the problem; empty when the arguments are fine.
  std::string error;
};

// args excludes the program name.
ParsedOptions ParseOptions(std::span<const std::string> args);

} // namespace cli
