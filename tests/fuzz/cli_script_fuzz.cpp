// The command-line tool's script parser and command planner on arbitrary text.
#include <algorithm>

#include "cli/command.hpp"
#include "cli/plan.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Text(data, size);
  const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  int previous = 0;
  for (const cli::Command& command : cli::ParseScript(text)) {
    FUZZ_CHECK(!command.words.empty());
    FUZZ_CHECK(command.words.size() == command.tails.size());
    FUZZ_CHECK(command.line > previous && command.line <= lines);
    previous = command.line;
    FUZZ_CHECK(!command.Text().empty() && text.find(command.Text()) != std::string::npos);
    for (std::size_t i = 0; i < command.words.size(); ++i) {
      FUZZ_CHECK(command.tails[i].starts_with(command.words[i]));
      FUZZ_CHECK(i == 0 || command.tails[i - 1].ends_with(command.tails[i]));
    }
    cli::MakePlan(command);
  }
  return 0;
}
