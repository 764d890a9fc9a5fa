#include "cli/options.hpp"

namespace cli {

ParsedOptions ParseOptions(std::span<const std::string> args) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-' || arg[1] != '-')
      break;
    if (arg == "--help") {
      o.help = true;
    } else if (arg == "--version") {
      o.version = true;
    } else if (arg == "--sim") {
      o.sim = true;
    } else if (arg == "--virtual-time") {
      o.virtualTime = true;
    } else if (arg == "--trace") {
      o.trace = true;
      o.traceFile.clear();
    } else if (arg.starts_with("--trace=")) {
      o.trace = true;
      o.traceFile = arg.substr(8);
      if (o.traceFile.empty()) {
        parsed.error = "--trace= needs a file name";
        return parsed;
      }
    } else if (arg == "--sim-set" || arg == "--script" || arg == "--replay") {
      if (i + 1 == args.size()) {
        parsed.error = arg + " needs a value";
        return parsed;
      }
      const std::string& value = args[++i];
      if (arg == "--script")
        o.script = value;
      else if (arg == "--replay")
        o.replay = value;
      else
        o.simSettings.push_back(value);
    } else {
      parsed.error = "unknown option " + arg;
      return parsed;
    }
  }
  o.commands = SplitArguments(args.subspan(i));
  if (o.script && !o.commands.empty())
    parsed.error = "--script and commands on the command line exclude each other";
  if (o.replay && (o.script || !o.commands.empty()))
    parsed.error = "--replay excludes commands and --script";
  return parsed;
}

} // namespace cli
