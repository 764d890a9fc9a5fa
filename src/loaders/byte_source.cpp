#include "loaders/byte_source.hpp"

#include <algorithm>
#include <cstring>

#include "loaders/raw_file.hpp"
#include "platform/files/open_file.hpp"

namespace loaders {

FileSource::FileSource(const char* path) {
  // Only regular files: a directory opens on some systems but never reads.
  if (RegularFileSize(path))
    file_ = files::OpenFile(path, "rb");
}

FileSource::~FileSource() {
  if (file_ != nullptr)
    std::fclose(file_);
}

std::size_t FileSource::Read(char* buffer, std::size_t size) {
  return file_ == nullptr ? 0 : std::fread(buffer, 1, size, file_);
}

bool FileSource::Failed() const {
  return file_ == nullptr || std::ferror(file_) != 0;
}

std::size_t StringSource::Read(char* buffer, std::size_t size) {
  const std::size_t n = std::min(size, text_.size() - offset_);
  std::memcpy(buffer, text_.data() + offset_, n);
  offset_ += n;
  return n;
}

} // namespace loaders
