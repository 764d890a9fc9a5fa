// Bytes in memory handed to the table text reader without a copy per run.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

#include "loaders/byte_source.hpp"

namespace bench {

class MemorySource : public loaders::ByteSource {
public:
  explicit MemorySource(std::string_view text) : text_(text) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t n = std::min(size, text_.size() - offset_);
    std::memcpy(buffer, text_.data() + offset_, n);
    offset_ += n;
    return n;
  }

private:
  std::string_view text_;
  std::size_t offset_ = 0;
};

} // namespace bench
