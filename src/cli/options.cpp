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

std::vector<startup::OptionSpec> Specs() {
  std::vector<startup::OptionSpec> specs = startup::kCommonOptionSpecs;
  specs.push_back({"--script", "", startup::OptionSpec::Value::Required});
  specs.push_back({"--serve", ""});
  specs.push_back({"--stop-on-error", ""});
  specs.push_back({"--read-chunk", "", startup::OptionSpec::Value::Required});
  specs.push_back({"--replay", "", startup::OptionSpec::Value::Required});
  return specs;
}

} // namespace

ParsedOptions ParseOptions(std::span<const std::string> args) {
  static const std::vector<startup::OptionSpec> specs = Specs();
  ParsedOptions parsed;
  Options& o = parsed.options;
  const startup::OptionScan scan = startup::ScanOptions(args, specs);
  if (!scan.error.empty()) {
    parsed.error = scan.error;
    return parsed;
  }
  for (const startup::GivenOption& given : scan.options) {
    if (startup::TakeCommonOption(given, o.common))
      continue;
    if (given.name == "--script") {
      o.script = given.value;
    } else if (given.name == "--serve") {
      o.serve = true;
    } else if (given.name == "--stop-on-error") {
      o.stopOnError = true;
    } else if (given.name == "--read-chunk") {
      parsed.error = ReadChunk(*given.value, o.readChunk);
      if (!parsed.error.empty())
        return parsed;
    } else if (given.name == "--replay") {
      o.replay = given.value;
    }
  }
  o.commands = SplitArguments(args.subspan(scan.operands));
  if (o.script && !o.commands.empty())
    parsed.error = "--script and commands on the command line exclude each other";
  if (o.serve && (o.script || !o.commands.empty()))
    parsed.error = "--serve takes its commands from standard input";
  if (o.replay && (o.script || !o.commands.empty()))
    parsed.error = "--replay excludes commands and --script";
  return parsed;
}

} // namespace cli
