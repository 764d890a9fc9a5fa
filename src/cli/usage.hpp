// The usage line and the help text.
#pragma once

#include <string_view>

namespace cli {

extern const std::string_view kUsageLine;
extern const std::string_view kHelpText;

} // namespace cli
