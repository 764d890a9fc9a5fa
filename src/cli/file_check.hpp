// Whether a load's file can be read, checked before the file dialog is
// answered: the dialog's loaders return silently on a file they cannot open.
#pragma once

#include <optional>
#include <string>

namespace cli {

// Why the path does not name a regular file that opens for reading, in the
// system's words; nothing when it does.
std::optional<std::string> CannotRead(const std::string& path);

} // namespace cli
