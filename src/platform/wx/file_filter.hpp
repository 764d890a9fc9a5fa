// The file-open dialog's inputs in the window system's own forms: the
// "Name|pattern|...||" filter and the default extension of a typed name.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace dlg {

// "Name|pattern|Name|pattern||" without the closing "||"; "*.*" becomes "*",
// which matches every file here as it does there. Empty lists every file.
std::string WxWildcard(std::string_view filter);

// The chosen path, with ".extension" appended when it names no extension and
// no such file exists as typed.
std::string WithDefaultExtension(const std::string& path, std::string_view extension,
                                 const std::function<bool(const std::string&)>& exists);

} // namespace dlg
