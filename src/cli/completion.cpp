#include "cli/completion.hpp"

#include <algorithm>
#include <set>

#include "cli/plan.hpp"

namespace cli {

namespace {

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t start = text.find_first_not_of(" \t", i);
    if (start == std::string_view::npos)
      break;
    i = std::min(text.find_first_of(" \t", start), text.size());
    words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

} // namespace

std::vector<std::string> Completions(std::string_view before) {
  std::vector<std::string> words = Words(before);
  const bool newWord = before.empty() || before.back() == ' ' || before.back() == '\t';
  if (newWord)
    words.emplace_back();
  const std::string& typed = words.back();
  std::set<std::string> found;
  const auto offer = [&](std::string_view word) {
    if (!word.empty() && word.starts_with(typed))
      found.emplace(word);
  };
  const bool commandName = words.size() == 1 || (words.size() == 2 && words[0] == "help");
  if (commandName && words.size() == 1)
    for (const std::string_view word : {"help", "quit"})
      offer(word);
  for (const CommandWords& command : KnownCommands()) {
    if (commandName)
      offer(command.name);
    else if (words.size() == 2 && command.name == words[0])
      offer(command.sub);
  }
  return {found.begin(), found.end()};
}

std::string CommonPrefix(const std::vector<std::string>& candidates) {
  if (candidates.empty())
    return {};
  std::string prefix = candidates.front();
  for (const std::string& candidate : candidates) {
    const auto [end, ignored] =
        std::mismatch(prefix.begin(), prefix.end(), candidate.begin(), candidate.end());
    prefix.erase(end, prefix.end());
  }
  return prefix;
}

} // namespace cli
