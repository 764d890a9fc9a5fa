#include "cli/options.hpp"

#include <charconv>

namespace cli {

namespace {

std::string ReadChunk(const std::string& value, std::uint32_t& chunk) {
  const char* end = value.data() + value.size();
  const auto [ptr, ec] = std::from_chars(value.data(), end, chunk);
  if (value.empty() || ec != std::errc() || ptr != end || chunk < 1 || chunk > kMaxReadChunk)
    return "--read-chunk: invalid N '" + value + "' (1 to " + std::to_string(kMaxReadChunk) + ")";
  return {};
}

} // namespace

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
    } else if (arg == "--stop-on-error") {
      o.stopOnError = true;
    } else if (arg.starts_with("--read-chunk=")) {
      parsed.error = ReadChunk(arg.substr(13), o.readChunk);
      if (!parsed.error.empty())
        return parsed;
    } else if (arg == "--sim-set" || arg == "--script" || arg == "--read-chunk") {
      if (i + 1 == args.size()) {
        parsed.error = arg + " needs a value";
        return parsed;
      }
      const std::string& value = args[++i];
      if (arg == "--script")
        o.script = value;
      else if (arg == "--read-chunk")
        parsed.error = ReadChunk(value, o.readChunk);
      else
        o.simSettings.push_back(value);
      if (!parsed.error.empty())
        return parsed;
    } else {
      parsed.error = "unknown option " + arg;
      return parsed;
    }
  }
  o.commands = SplitArguments(args.subspan(i));
  if (o.script && !o.commands.empty())
    parsed.error = "--script and commands on the command line exclude each other";
  return parsed;
}

} // namespace cli
