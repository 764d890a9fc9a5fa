#include "cli/options.hpp"

namespace cli {

namespace {

std::vector<startup::OptionSpec> Specs() {
  std::vector<startup::OptionSpec> specs = startup::kCommonOptionSpecs;
  specs.push_back({"--script", "", startup::OptionSpec::Value::Required});
  specs.push_back({"--serve", ""});
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
    if (given.name == "--script")
      o.script = given.value;
    else if (given.name == "--serve")
      o.serve = true;
  }
  o.commands = SplitArguments(args.subspan(scan.operands));
  if (o.script && !o.commands.empty())
    parsed.error = "--script and commands on the command line exclude each other";
  if (o.serve && (o.script || !o.commands.empty()))
    parsed.error = "--serve takes its commands from standard input";
  return parsed;
}

} // namespace cli
