// Reading a whole raw byte file for the bulk loaders.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace loaders {

// The file's bytes, or nothing when it cannot be opened, is not a regular file,
// is empty, is larger than maxBytes, or reads short. With evenOnly an odd last
// byte is dropped and not read. The file is closed before returning.
std::optional<std::vector<std::uint8_t>> ReadRawFile(const char* path, std::uint64_t maxBytes,
                                                     bool evenOnly);

// The file's size when it names a regular file; nothing otherwise.
std::optional<std::uint64_t> RegularFileSize(const char* path);

} // namespace loaders
