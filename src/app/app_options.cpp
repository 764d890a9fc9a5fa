#include "app/app_options.hpp"

namespace {

constexpr std::string_view kSimSet = "--sim-set";
constexpr std::string_view kTrace = "--trace";

ParsedOptions Error(std::string message) {
  ParsedOptions parsed;
  parsed.action = ParsedOptions::Action::Error;
  parsed.error = std::move(message);
  return parsed;
}

} // namespace

ParsedOptions ParseOptions(std::span<const std::string> args) {
  ParsedOptions parsed;
  AppOptions& options = parsed.options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      parsed.action = ParsedOptions::Action::Help;
      return parsed;
    }
    if (arg == "--version") {
      parsed.action = ParsedOptions::Action::Version;
      return parsed;
    }
    if (arg == "--sim") {
      // The simulated board is the only catalog on this platform.
      continue;
    }
    if (arg == "--virtual-time") {
      options.virtualTime = true;
    } else if (arg == kSimSet) {
      if (i + 1 == args.size())
        return Error("--sim-set needs KEY=VALUE");
      options.simSettings.push_back(args[++i]);
    } else if (arg.starts_with(kSimSet) && arg[kSimSet.size()] == '=') {
      options.simSettings.emplace_back(arg.substr(kSimSet.size() + 1));
    } else if (arg == kTrace) {
      options.trace = true;
      options.traceFile.clear();
    } else if (arg.starts_with(kTrace) && arg[kTrace.size()] == '=') {
      if (arg.size() == kTrace.size() + 1)
        return Error("--trace= needs a file name");
      options.trace = true;
      options.traceFile = std::string(arg.substr(kTrace.size() + 1));
    } else {
      return Error("unknown option '" + std::string(arg) + "'");
    }
  }
  return parsed;
}

std::string Usage(std::string_view program) {
  return "Usage: " + std::string(program) +
         " [options]\n"
         "The Velta device's engineering console.\n"
         "\n"
         "  --sim                 use the simulated board (the default: this platform has no\n"
         "                        device catalog of its own)\n"
         "  --sim-set KEY=VALUE   configure the simulated board; repeatable, applied in order\n"
         "                        (the settings are listed below)\n"
         "  --trace[=FILE]        write every device request and pause as JSON Lines to FILE\n"
         "                        (standard error without FILE)\n"
         "  --virtual-time        record the loaders' pauses instead of waiting\n"
         "  --help                show this help\n"
         "  --version             show the version\n"
         "\n"
         "Exit status: 0 once the dialog or the \"No device found\" box is closed;\n"
         "2 for a usage error.\n";
}
