#include "loaders/raw_file.hpp"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/files/open_file.hpp"

namespace loaders {

std::optional<std::uint64_t> RegularFileSize(const char* path) {
  if (path == nullptr)
    return std::nullopt;
  std::error_code ec;
  const std::filesystem::path p = files::PathOf(path);
  if (!std::filesystem::is_regular_file(p, ec) || ec)
    return std::nullopt;
  const auto size = std::filesystem::file_size(p, ec);
  if (ec)
    return std::nullopt;
  return size;
}

std::optional<std::vector<std::uint8_t>> ReadRawFile(const char* path, std::uint64_t maxBytes,
                                                     bool evenOnly) {
  const auto size = RegularFileSize(path);
  if (!size || *size == 0 || *size > maxBytes)
    return std::nullopt;
  std::ifstream in(files::PathOf(path), std::ios::binary);
  if (!in)
    return std::nullopt;
  const std::uint64_t wanted = evenOnly ? (*size & ~std::uint64_t{1}) : *size;
  std::vector<std::uint8_t> bytes(wanted);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(wanted));
  if (static_cast<std::uint64_t>(in.gcount()) != wanted)
    return std::nullopt;
  return bytes;
}

} // namespace loaders
