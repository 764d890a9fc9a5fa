// The program's options, read from the arguments before the first command.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/command.hpp"
#include "cli/extras.hpp"
#include "startup/options.hpp"

namespace cli {

struct Options {
  startup::CommonOptions common;
  // "--script FILE"; "-" is standard input.
  std::optional<std::string> script;
  // --stop-on-error: the run ends after the first command with a problem.
  bool stopOnError = false;
  // --read-chunk N: bytes per read request of the dumps and read-backs.
  std::uint32_t readChunk = kDefaultReadChunk;
  // "--replay FILE": re-send a recorded trace instead of running commands.
  std::optional<std::string> replay;
  std::vector<Command> commands;
  // --serve: requests and answers as JSON lines on standard input and output.
  bool serve = false;
};

struct ParsedOptions {
  Options options;
  // Names the problem; empty when the arguments are fine.
  std::string error;
};

// args excludes the program name.
ParsedOptions ParseOptions(std::span<const std::string> args);

} // namespace cli
