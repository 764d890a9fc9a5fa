// Where the table text reader gets its bytes: a file or, in tests, memory.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace loaders {

class ByteSource {
public:
  virtual ~ByteSource() = default;
  // Fills up to size bytes; 0 at the end or on error.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
  // True once a read has failed for another reason than the end.
  virtual bool Failed() const { return false; }
};

// A regular file opened for reading; directories and missing files do not open.
class FileSource : public ByteSource {
public:
  explicit FileSource(const char* path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  std::size_t Read(char* buffer, std::size_t size) override;
  bool Failed() const override;

private:
  std::FILE* file_ = nullptr;
};

// Bytes held in memory.
class StringSource : public ByteSource {
public:
  explicit StringSource(std::string text) : text_(std::move(text)) {}
  std::size_t Read(char* buffer, std::size_t size) override;

private:
  std::string text_;
  std::size_t offset_ = 0;
};

} // namespace loaders
