#include "cli/command.hpp"

namespace cli {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// Tails from the words and the blanks written after each of them but the last.
std::vector<std::string> Tails(const std::vector<std::string>& words,
                               const std::vector<std::string>& gaps) {
  std::vector<std::string> tails(words.size());
  for (std::size_t i = words.size(); i-- > 0;)
    tails[i] = i + 1 < words.size() ? words[i] + gaps[i] + tails[i + 1] : words[i];
  return tails;
}

Command FromArguments(std::span<const std::string> args) {
  Command command;
  command.words.assign(args.begin(), args.end());
  command.tails = Tails(command.words, std::vector<std::string>(args.size(), " "));
  command.written = command.tails.front();
  return command;
}

// Reads one word from line[i]; i ends after it. False for an unterminated quote.
bool ReadWord(std::string_view line, std::size_t& i, std::string& word) {
  while (i < line.size() && !IsBlank(line[i])) {
    const char c = line[i++];
    if (c == '\\') {
      if (i < line.size())
        word += line[i++];
    } else if (c == '\'') {
      const std::size_t close = line.find('\'', i);
      if (close == std::string_view::npos) {
        i = line.size();
        return false;
      }
      word += line.substr(i, close - i);
      i = close + 1;
    } else if (c == '"') {
      for (;;) {
        if (i == line.size())
          return false;
        const char d = line[i++];
        if (d == '"')
          break;
        if (d == '\\' && i < line.size() &&
            std::string_view("\"\\$`").find(line[i]) != std::string_view::npos)
          word += line[i++];
        else
          word += d;
      }
    } else {
      word += c;
    }
  }
  return true;
}

} // namespace

std::optional<Command> ParseScriptLine(std::string_view line, int lineNumber) {
  Command command;
  command.line = lineNumber;
  std::vector<std::string> gaps;
  std::size_t first = std::string_view::npos;
  std::size_t end = 0; // end of the last word: where the written text stops
  std::size_t i = 0;
  while (i < line.size()) {
    const std::size_t gapStart = i;
    while (i < line.size() && IsBlank(line[i]))
      ++i;
    if (i == line.size() || line[i] == '#')
      break;
    if (!command.words.empty())
      gaps.emplace_back(line.substr(gapStart, i - gapStart));
    if (first == std::string_view::npos)
      first = i;
    std::string word;
    const bool closed = ReadWord(line, i, word);
    command.words.push_back(std::move(word));
    end = i;
    if (!closed) {
      command.error = "unterminated quote";
      break;
    }
  }
  if (command.words.empty())
    return std::nullopt;
  command.written = std::string(line.substr(first, end - first));
  command.tails = Tails(command.words, gaps);
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
