#include "cli/app.hpp"

#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <variant>
#include <vector>

#include "cli/file_check.hpp"
#include "cli/options.hpp"
#include "cli/plan.hpp"
#include "cli/prompt.hpp"
#include "cli/replay_runner.hpp"
#include "cli/runner.hpp"
#include "cli/serve.hpp"
#include "cli/usage.hpp"
#include "platform/files/open_file.hpp"

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
  // The command's usage error; empty when it is well formed.
  std::string error;
};

// Every command of a script text; a reason when it cannot be read or has none.
std::variant<std::vector<Command>, std::string> ReadScript(const std::optional<std::string>& path,
                                                           std::istream& in) {
  std::optional<std::string> text;
  const bool fromFile = path && *path != "-";
  if (fromFile) {
    if (const auto reason = CannotRead(*path))
      return "cannot read script " + *path + ": " + *reason;
    std::ifstream file(files::PathOf(path->c_str()), std::ios::binary);
    text = ReadAll(file);
  } else {
    text = ReadAll(in);
  }
  const std::string name = fromFile ? "script " + *path : "the script from standard input";
  if (!text)
    return "cannot read " + name;
  std::vector<Command> commands = ParseScript(*text);
  if (commands.empty())
    return name + " has no commands";
  return commands;
}

// Prints every usage error of the batch, in order, then the usage line once.
// The entries a command selects are checked only on an open dialog.
bool CheckBatch(Runner& runner, bool opened, const std::vector<Planned>& batch, std::ostream& err) {
  bool bad = false;
  for (const Planned& p : batch) {
    std::optional<std::string> problem;
    if (!p.error.empty())
      problem = p.error;
    else if (opened)
      problem = runner.Check(p.plan);
    if (problem) {
      runner.UsageError(p.command, *problem);
      bad = true;
    }
  }
  if (bad) {
    err << kUsageLine << '\n';
    runner.status().usageError = true;
  }
  return !bad;
}

void RunBatch(Runner& runner, const std::vector<Planned>& batch, bool stopOnError,
              std::ostream& err) {
  for (std::size_t i = 0; i < batch.size(); ++i) {
    if (!runner.DialogOpen()) {
      err << "velta-cli: the dialog has ended; " << batch.size() - i << " command(s) not run\n";
      break;
    }
    if (!runner.Run(batch[i].command, batch[i].plan) && stopOnError && i + 1 < batch.size()) {
      err << "velta-cli: stopped at the first error; " << batch.size() - i - 1
          << " command(s) not run\n";
      break;
    }
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
  if (commands.empty() && !interactive && !options.serve && !options.replay) {
    auto script = ReadScript(options.script, io.in);
    if (const auto* problem = std::get_if<std::string>(&script))
      return Usage(io.err, *problem);
    commands = std::move(std::get<std::vector<Command>>(script));
  }
  std::vector<Planned> batch;
  for (const Command& command : commands) {
    PlanResult planned = MakePlan(command);
    batch.push_back({command, std::move(planned.plan), std::move(planned.error)});
  }

  auto opened = startup::Backend::Open(options.common, platform, io.err);
  if (auto* problem = std::get_if<std::string>(&opened))
    return Usage(io.err, *problem);
  startup::Backend& backend = *std::get<std::unique_ptr<startup::Backend>>(opened);

  int status = 0;
  if (options.replay) {
    status = RunReplay(*options.replay, {io.out, io.err}, backend.catalog(), backend.recorder());
  } else if (options.serve) {
    status = ServeDialog(io, backend.catalog(), backend.recorder(), options.readChunk);
  } else {
    Runner runner({io.out, io.err, io.errIsTerminal}, backend.catalog(), backend.recorder());
    runner.set_readChunk(options.readChunk);
    const bool found = runner.Open();
    if (interactive && found)
      RunPrompt(runner, io, options.stopOnError);
    else if (CheckBatch(runner, found, batch, io.err) && found)
      RunBatch(runner, batch, options.stopOnError, io.err);
    status = runner.status().Code();
  }
  io.out.flush();
  return status;
}

} // namespace cli
