// Opening a file by the name a user chose in the file dialog, typed into a
// script or gave on the command line. Names are narrow strings in the process
// code page (UTF-8 by the manifest on Windows, the name's own bytes elsewhere);
// each platform turns them into what its file system takes, here and nowhere else.
#pragma once

#include <cstdio>
#include <filesystem>

namespace files {

// The file system path a name denotes; for std::filesystem and the file streams.
std::filesystem::path PathOf(const char* name);

// std::fopen of that path: null when it cannot be opened.
std::FILE* OpenFile(const char* name, const char* mode);

} // namespace files
