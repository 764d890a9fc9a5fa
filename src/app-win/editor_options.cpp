#include "app-win/editor_options.hpp"

#include "app/app_options.hpp"

namespace {

ParsedEditorOptions::Action ActionOf(ParsedOptions::Action action) {
  switch (action) {
  case ParsedOptions::Action::Help:
    return ParsedEditorOptions::Action::Help;
  case ParsedOptions::Action::Version:
    return ParsedEditorOptions::Action::Version;
  case ParsedOptions::Action::Error:
    return ParsedEditorOptions::Action::Error;
  case ParsedOptions::Action::Run:
    break;
  }
  return ParsedEditorOptions::Action::Run;
}

} // namespace

ParsedEditorOptions ParseEditorOptions(std::span<const std::string> args) {
  // --sim picks the board; the shared parser knows every other option.
  std::vector<std::string> rest;
  bool sim = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--sim") {
      sim = true;
      continue;
    }
    rest.push_back(args[i]);
    if (args[i] == "--sim-set" && i + 1 < args.size())
      rest.push_back(args[++i]);
  }
  const ParsedOptions shared = ParseOptions(rest);
  ParsedEditorOptions parsed;
  parsed.action = ActionOf(shared.action);
  parsed.error = shared.error;
  parsed.options = {sim, shared.options.simSettings, shared.options.trace, shared.options.traceFile,
                    shared.options.virtualTime};
  const EditorOptions& o = parsed.options;
  if (parsed.action == ParsedEditorOptions::Action::Run && !o.sim &&
      (!o.simSettings.empty() || o.trace || o.virtualTime)) {
    parsed.action = ParsedEditorOptions::Action::Error;
    parsed.error = "--sim-set, --trace and --virtual-time need --sim";
  }
  return parsed;
}

std::string EditorUsage(std::string_view program) {
  return "Usage: " + std::string(program) +
         " [options]\n"
         "The Velta device's engineering console. Without options it binds the\n"
         "attached device.\n"
         "\n"
         "  --sim                 use the simulated board instead of the device\n"
         "  --sim-set KEY=VALUE   configure the simulated board; repeatable, applied in order\n"
         "                        (boards=N, gpio.LINE=LEVEL, reg.ADDR=VALUE, fail=..., ...)\n"
         "  --trace[=FILE]        write every request to the simulated board and every pause\n"
         "                        as JSON Lines to FILE (standard error without FILE)\n"
         "  --virtual-time        record the loaders' pauses instead of waiting\n"
         "  --help                show this help\n"
         "  --version             show the version\n";
}
