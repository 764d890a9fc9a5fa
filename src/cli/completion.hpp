// Tab completion at the prompt: command names, the second word of a command
// with several forms, and the command after "help".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The words that may stand where the last word of `before` (the line up to
// the cursor) is being typed, sorted; each begins with what is typed so far.
std::vector<std::string> Completions(std::string_view before);

// The longest text every candidate begins with.
std::string CommonPrefix(const std::vector<std::string>& candidates);

} // namespace cli
