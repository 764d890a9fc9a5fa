#include "bench_inputs.hpp"

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

namespace bench {
namespace {

// A fixed seed: every run parses the same bytes.
std::mt19937& Generator() {
  static std::mt19937 generator(20240901);
  return generator;
}

// A per-process folder, removed when the program ends.
struct TempDirectory {
  TempDirectory()
      : path(std::filesystem::temp_directory_path() /
             ("velta-bench-" + std::to_string(static_cast<long>(getpid())))) {
    std::filesystem::create_directories(path);
  }
  ~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::filesystem::path path;
};

const std::filesystem::path& TempDir() {
  static const TempDirectory dir;
  return dir.path;
}

} // namespace

std::string LogarithmText(std::size_t entries) {
  std::uniform_int_distribution<int> value(0, 65535);
  std::string text;
  for (std::size_t i = 0; i < entries; ++i) {
    text += std::to_string(value(Generator()));
    text += "\r\n";
  }
  return text;
}

std::string TfcText(std::size_t lines) {
  std::uniform_int_distribution<std::int32_t> value(INT32_MIN, INT32_MAX);
  std::string text;
  for (std::size_t r = 0; r < lines; ++r) {
    for (std::size_t c = 0; c < 32; ++c) {
      if (c != 0)
        text += '\t';
      text += std::to_string(value(Generator()));
    }
    text += "\r\n";
  }
  return text;
}

std::string ApodText(std::size_t entries) {
  std::uniform_int_distribution<int> value(-32768, 32767);
  std::string text;
  for (std::size_t i = 0; i < entries; ++i) {
    text += std::to_string(value(Generator()));
    text += '\n';
  }
  return text;
}

std::vector<std::uint8_t> RawBytes(std::size_t size) {
  std::uniform_int_distribution<int> value(0, 255);
  std::vector<std::uint8_t> bytes(size);
  for (auto& b : bytes)
    b = static_cast<std::uint8_t>(value(Generator()));
  return bytes;
}

std::string WriteTempFile(const std::string& name, const std::string& content) {
  const auto path = TempDir() / name;
  std::ofstream(path, std::ios::binary)
      .write(content.data(), static_cast<std::streamsize>(content.size()));
  return path.string();
}

std::string WriteTempFile(const std::string& name, const std::vector<std::uint8_t>& content) {
  return WriteTempFile(name, std::string(content.begin(), content.end()));
}

} // namespace bench
