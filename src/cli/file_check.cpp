#include "cli/file_check.hpp"

#include "platform/files/open_file.hpp"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace cli {

std::optional<std::string> CannotRead(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(files::PathOf(path.c_str()), error);
  if (error)
    return error.message();
  if (std::filesystem::is_directory(status))
    return std::make_error_code(std::errc::is_a_directory).message();
  if (!std::filesystem::is_regular_file(status))
    return "not a regular file";
  std::FILE* file = files::OpenFile(path.c_str(), "rb");
  if (file == nullptr)
    return std::generic_category().message(errno);
  std::fclose(file);
  return std::nullopt;
}

} // namespace cli
