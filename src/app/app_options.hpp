// The command line of velta-editor.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct AppOptions {
  std::vector<std::string> simSettings; // --sim-set KEY=VALUE, in order
  bool trace = false;                   // --trace[=FILE]
  std::string traceFile;                // empty: standard error
  bool virtualTime = false;             // --virtual-time
};

struct ParsedOptions {
  enum class Action { Run, Help, Version, Error } action = Action::Run;
  AppOptions options;
  std::string error; // for Action::Error
};

// Parses the arguments after the program name.
ParsedOptions ParseOptions(std::span<const std::string> args);

std::string Usage(std::string_view program);
