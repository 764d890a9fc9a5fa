#include "cli/command.hpp"

namespace cli {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

Command FromArguments(std::span<const std::string> args) {
  Command command;
  command.words.assign(args.begin(), args.end());
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string tail;
    for (std::size_t j = i; j < args.size(); ++j) {
      if (j > i)
        tail += ' ';
      tail += args[j];
    }
    command.tails.push_back(std::move(tail));
  }
  return command;
}

} // namespace

std::optional<Command> ParseScriptLine(std::string_view line, int lineNumber) {
  std::vector<std::size_t> starts;
  std::size_t end = 0; // end of the last word: where the tails stop
  std::size_t i = 0;
  while (i < line.size()) {
    if (IsBlank(line[i])) {
      ++i;
      continue;
    }
    if (line[i] == '#')
      break;
    starts.push_back(i);
    while (i < line.size() && !IsBlank(line[i]))
      ++i;
    end = i;
  }
  if (starts.empty())
    return std::nullopt;

  Command command;
  command.line = lineNumber;
  for (std::size_t k = 0; k < starts.size(); ++k) {
    std::size_t wordEnd = starts[k];
    while (wordEnd < line.size() && !IsBlank(line[wordEnd]))
      ++wordEnd;
    command.words.emplace_back(line.substr(starts[k], wordEnd - starts[k]));
    command.tails.emplace_back(line.substr(starts[k], end - starts[k]));
  }
  return command;
}

std::vector<Command> ParseScript(std::string_view text) {
  std::vector<Command> commands;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    const std::string_view line = text.substr(0, newline);
    ++lineNumber;
    if (auto command = ParseScriptLine(line, lineNumber))
      commands.push_back(std::move(*command));
    if (newline == std::string_view::npos)
      break;
    text.remove_prefix(newline + 1);
  }
  return commands;
}

std::vector<Command> SplitArguments(std::span<const std::string> args) {
  std::vector<Command> commands;
  std::size_t first = 0;
  for (std::size_t i = 0; i <= args.size(); ++i) {
    if (i < args.size() && args[i] != ";")
      continue;
    if (i > first)
      commands.push_back(FromArguments(args.subspan(first, i - first)));
    first = i + 1;
  }
  return commands;
}

} // namespace cli
