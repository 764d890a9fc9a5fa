// The usage line and the help text.
#pragma once

#include <string>
#include <string_view>

namespace cli {

extern const std::string_view kUsageLine;
// The commands, for the prompt's help.
extern const std::string_view kHelpText;
// --help: usage, options, commands, exit statuses and the simulated board's settings.
std::string HelpText(bool platformDevice);

} // namespace cli
