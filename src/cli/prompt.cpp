#include "cli/prompt.hpp"

#include "cli/line_reader.hpp"
#include "cli/usage.hpp"

namespace cli {

namespace {

void Help(const Command& command, Runner& runner, std::ostream& out) {
  if (command.words.size() == 1) {
    out << CommandList() << std::flush;
    return;
  }
  const std::string text = CommandHelp(command.words[1]);
  if (text.empty())
    runner.UsageError(command, "no command '" + command.words[1] + "'");
  else
    out << text << std::flush;
}

} // namespace

void RunPrompt(Runner& runner, Console& io, bool stopOnError) {
  const std::unique_ptr<LineReader> reader = MakeTerminalReader(io);
  while (const auto line = reader->ReadLine("velta> ")) {
    const auto command = ParseScriptLine(*line);
    if (!command)
      continue;
    const std::string& name = command->words.front();
    if (name == "quit" || name == "exit")
      break;
    if (name == "help") {
      Help(*command, runner, io.out);
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
    if ((!runner.Run(*command, planned.plan) && stopOnError) || !runner.DialogOpen())
      break;
  }
  io.err << '\n';
}

} // namespace cli
