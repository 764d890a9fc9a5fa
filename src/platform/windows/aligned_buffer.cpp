#include "platform/windows/aligned_buffer.hpp"

#include <cstring>

namespace win {

AlignedBuffer::AlignedBuffer(void* bytes, std::size_t size) : bytes_(bytes), size_(size) {
  if (reinterpret_cast<std::uintptr_t>(bytes) % alignof(std::uint64_t) == 0)
    return;
  copy_.resize((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
  std::memcpy(copy_.data(), bytes, size);
}

void AlignedBuffer::CopyBack() const {
  if (!copy_.empty())
    std::memcpy(bytes_, copy_.data(), size_);
}

} // namespace win
