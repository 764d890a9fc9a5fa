#include "platform/files/open_file.hpp"

namespace files {

// The C library and the file system take the name's bytes as they are.
std::filesystem::path PathOf(const char* name) {
  return std::filesystem::path(name);
}

std::FILE* OpenFile(const char* name, const char* mode) {
  return std::fopen(name, mode);
}

} // namespace files
