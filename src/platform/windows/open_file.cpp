#include "platform/files/open_file.hpp"

#include <cwchar>

#include "platform/windows/text.hpp"

namespace files {

// Windows' file names are wide: the narrow name is read in the process code
// page, as the file dialog and the command line wrote it.
std::filesystem::path PathOf(const char* name) {
  return std::filesystem::path(win::Widen(name));
}

std::FILE* OpenFile(const char* name, const char* mode) {
  return _wfopen(PathOf(name).c_str(), win::Widen(mode).c_str());
}

} // namespace files
