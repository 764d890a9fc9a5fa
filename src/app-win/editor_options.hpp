// The command line of velta-editor.exe: the real device unless --sim is given.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct EditorOptions {
  bool sim = false;                     // --sim
  std::vector<std::string> simSettings; // --sim-set KEY=VALUE, in order
  bool trace = false;                   // --trace[=FILE]
  std::string traceFile;                // empty: standard error
  bool virtualTime = false;             // --virtual-time
};

struct ParsedEditorOptions {
  enum class Action { Run, Help, Version, Error } action = Action::Run;
  EditorOptions options;
  std::string error; // for Action::Error
};

// Parses the arguments after the program name.
ParsedEditorOptions ParseEditorOptions(std::span<const std::string> args);

std::string EditorUsage(std::string_view program);
