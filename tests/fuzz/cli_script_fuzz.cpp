// The command-line tool's word splitter and command planner on arbitrary text:
// the text as a script (quotes, escapes, comments, control bytes and NULs
// inside lines), and the same bytes cut at each NUL as the arguments of a
// command line, where a ";" argument ends a command.
#include <algorithm>
#include <string>
#include <vector>

#include "cli/command.hpp"
#include "cli/plan.hpp"
#include "fuzz_check.hpp"

namespace {

// The words quoted back so that the splitter must give each one unchanged.
std::string Quoted(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) {
    line += line.empty() ? "'" : " '";
    for (const char c : word)
      line += c == '\'' ? std::string("'\\''") : std::string(1, c);
    line += '\'';
  }
  return line;
}

void CheckScript(const std::string& text) {
  const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  int previous = 0;
  for (const cli::Command& command : cli::ParseScript(text)) {
    FUZZ_CHECK(!command.words.empty());
    FUZZ_CHECK(command.words.size() == command.tails.size());
    FUZZ_CHECK(command.line > previous && command.line <= lines);
    previous = command.line;
    FUZZ_CHECK(!command.Text().empty() && text.find(command.Text()) != std::string::npos);
    FUZZ_CHECK(command.Text().find('\n') == std::string::npos);
    for (std::size_t i = 0; i < command.words.size(); ++i) {
      FUZZ_CHECK(command.tails[i].starts_with(command.words[i]));
      FUZZ_CHECK(i == 0 || command.tails[i - 1].ends_with(command.tails[i]));
    }
    if (command.error.empty()) {
      const auto again = cli::ParseScriptLine(Quoted(command.words), command.line);
      FUZZ_CHECK(again && again->error.empty() && again->words == command.words);
    } else {
      FUZZ_CHECK(command.Text().find_first_of("'\"") != std::string::npos);
    }
    cli::MakePlan(command);
  }
}

void CheckArguments(const std::string& text) {
  std::vector<std::string> args;
  for (std::size_t start = 0;;) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    args.push_back(text.substr(start, end - start));
    if (end == text.size())
      break;
    start = end + 1;
  }
  std::size_t words = 0;
  for (const cli::Command& command : cli::SplitArguments(args)) {
    FUZZ_CHECK(!command.words.empty());
    FUZZ_CHECK(std::find(command.words.begin(), command.words.end(), ";") == command.words.end());
    std::string joined = command.words.front();
    for (std::size_t i = 1; i < command.words.size(); ++i)
      joined += " " + command.words[i];
    FUZZ_CHECK(command.Tail(0) == joined && command.Text() == joined);
    words += command.words.size();
    cli::MakePlan(command);
  }
  FUZZ_CHECK(words + static_cast<std::size_t>(std::count(args.begin(), args.end(), ";")) ==
             args.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Text(data, size);
  CheckScript(text);
  CheckArguments(text);
  return 0;
}
