#include "cli/app.hpp"

#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <variant>
#include <vector>

#include "cli/options.hpp"
#include "cli/plan.hpp"
#include "cli/runner.hpp"
#include "cli/serve.hpp"
#include "cli/usage.hpp"

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

int RunCli(std::span<const std::string> args, Console io, startup::Platform platform) {
  const ParsedOptions parsed = ParseOptions(args);
  if (!parsed.error.empty())
    return Usage(io.err, parsed.error);
  const Options& options = parsed.options;
  if (options.common.help) {
    io.out << HelpText(platform.catalog != nullptr);
    return 0;
  }
  if (options.common.version) {
    io.out << "velta-cli " << VELTA_VERSION << '\n';
    return 0;
  }

  // The commands, checked whole before the device is touched.
  std::vector<Command> commands = options.commands;
  const bool interactive = commands.empty() && !options.script && io.inIsTerminal && !options.serve;
  if (commands.empty() && !interactive && !options.serve) {
    std::optional<std::string> text;
    if (options.script && *options.script != "-") {
      std::ifstream file(*options.script, std::ios::binary);
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

  auto opened = startup::Backend::Open(options.common, platform, io.err);
  if (auto* problem = std::get_if<std::string>(&opened))
    return Usage(io.err, *problem);
  startup::Backend& backend = *std::get<std::unique_ptr<startup::Backend>>(opened);

  int status = 0;
  if (options.serve) {
    status = ServeDialog(io, backend.catalog(), backend.recorder());
  } else {
    Runner runner({io.out, io.err, io.errIsTerminal}, backend.catalog(), backend.recorder());
    if (runner.Open()) {
      if (interactive)
        RunPrompt(runner, io);
      else
        RunBatch(runner, batch, io.err);
    }
    status = runner.status().Code();
  }
  io.out.flush();
  return status;
}

} // namespace cli
