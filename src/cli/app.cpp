#include "cli/app.hpp"

#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "cli/options.hpp"
#include "cli/plan.hpp"
#include "cli/runner.hpp"
#include "cli/usage.hpp"
#include "platform/files/open_file.hpp"
#include "sim/config.hpp"

namespace cli {

namespace {

int Usage(std::ostream& err, const std::string& problem) {
  err << "velta-cli: " << problem << '\n' << kUsageLine << '\n';
  return 2;
}

std::optional<std::string> ReadAll(std::istream& in) {
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad())
    return std::nullopt;
  return text.str();
}

struct Planned {
  Command command;
  Plan plan;
};

void RunPrompt(Runner& runner, Console& io) {
  std::string line;
  for (;;) {
    io.err << "velta> " << std::flush;
    if (!std::getline(io.in, line))
      break;
    const auto command = ParseScriptLine(line);
    if (!command)
      continue;
    const std::string& name = command->words.front();
    if (name == "quit" || name == "exit")
      break;
    if (name == "help") {
      io.out << kHelpText << std::flush;
      continue;
    }
    PlanResult planned = MakePlan(*command);
    if (planned.error.empty())
      if (auto problem = runner.Check(planned.plan))
        planned.error = *problem;
    if (!planned.error.empty()) {
      runner.UsageError(*command, planned.error);
      continue;
    }
    runner.Run(*command, planned.plan);
    if (!runner.DialogOpen())
      break;
  }
  io.err << '\n';
}

void RunBatch(Runner& runner, const std::vector<Planned>& batch, std::ostream& err) {
  for (const Planned& p : batch)
    if (const auto problem = runner.Check(p.plan))
      runner.UsageError(p.command, *problem);
  if (runner.status().usageError)
    return;
  for (std::size_t i = 0; i < batch.size(); ++i) {
    if (!runner.DialogOpen()) {
      err << "velta-cli: the dialog has ended; " << batch.size() - i << " command(s) not run\n";
      break;
    }
    runner.Run(batch[i].command, batch[i].plan);
  }
}

} // namespace

int RunCli(std::span<const std::string> args, Console io, PlatformDevice platform) {
  const ParsedOptions parsed = ParseOptions(args);
  if (!parsed.error.empty())
    return Usage(io.err, parsed.error);
  const Options& options = parsed.options;
  if (options.help) {
    io.out << kHelpText << '\n' << sim::kSettingsHelp;
    return 0;
  }
  if (options.version) {
    io.out << "velta-cli " << VELTA_VERSION << '\n';
    return 0;
  }
  const bool onDevice = platform.catalog && platform.clock && !options.sim;
  if (onDevice && (!options.simSettings.empty() || options.trace || options.virtualTime))
    return Usage(io.err, "--sim-set, --trace and --virtual-time need --sim");

  // The commands, checked whole before the device is touched.
  std::vector<Command> commands = options.commands;
  const bool interactive = commands.empty() && !options.script && io.inIsTerminal;
  if (commands.empty() && !interactive) {
    std::optional<std::string> text;
    if (options.script && *options.script != "-") {
      std::ifstream file(files::PathOf(options.script->c_str()), std::ios::binary);
      if (file)
        text = ReadAll(file);
      if (!text)
        return Usage(io.err, "cannot read script " + *options.script);
    } else {
      text = ReadAll(io.in);
      if (!text)
        return Usage(io.err, "cannot read the script from standard input");
    }
    commands = ParseScript(*text);
  }
  std::vector<Planned> batch;
  bool badCommand = false;
  for (const Command& command : commands) {
    PlanResult planned = MakePlan(command);
    if (!planned.error.empty()) {
      io.err << "velta-cli: " << Where(command) << command.Text() << ": " << planned.error << '\n';
      badCommand = true;
    }
    batch.push_back({command, std::move(planned.plan)});
  }
  if (badCommand) {
    io.err << kUsageLine << '\n';
    return 2;
  }

  std::unique_ptr<sim::Simulator> simulator;
  try {
    simulator = std::make_unique<sim::Simulator>(
        options.simSettings, options.virtualTime ? sim::TimeMode::Virtual : sim::TimeMode::Real);
  } catch (const std::invalid_argument& error) {
    return Usage(io.err, std::string("--sim-set: ") + error.what());
  }
  std::ofstream traceFile;
  sim::Trace& trace = simulator->trace();
  trace.set_keepEvents(false);
  if (options.trace) {
    if (!options.traceFile.empty()) {
      traceFile.open(files::PathOf(options.traceFile.c_str()), std::ios::binary | std::ios::trunc);
      if (!traceFile)
        return Usage(io.err, "cannot write the trace to " + options.traceFile);
    }
    trace.StreamTo(options.traceFile.empty() ? &io.err : &traceFile);
  }

  int status = 0;
  {
    Runner runner(*simulator, {io.out, io.err, io.errIsTerminal},
                  onDevice ? platform.catalog : &simulator->catalog(),
                  onDevice ? platform.clock : &simulator->clock());
    if (runner.Open()) {
      if (interactive)
        RunPrompt(runner, io);
      else
        RunBatch(runner, batch, io.err);
    }
    status = runner.status().Code();
  }
  trace.StreamTo(nullptr);
  io.out.flush();
  return status;
}

} // namespace cli
