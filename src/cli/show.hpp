// The one-line description of a control that `show` prints.
#pragma once

#include <string>

#include "platform/headless/headless_host.hpp"

namespace cli {

// "<id> <kind> \"<text>\" check=<0|1> sel=<index> enabled=<0|1>". The text is
// quoted with backslash escapes for '"', '\\' and control characters.
std::string DescribeControl(const dlg::HeadlessHost& host, int id);

// The kind's name in that line: button, checkbox, edit, combo, static,
// groupbox or progress.
const char* KindWord(dlg::ControlKind kind);

} // namespace cli
