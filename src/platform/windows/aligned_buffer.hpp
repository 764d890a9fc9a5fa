// A caller's buffer as the kernel-streaming driver wants it: at an 8-byte
// boundary, as the property header and the records' 64-bit fields are laid
// out. The dialog's records and data are byte arrays of any alignment; one
// that is not aligned is worked on in an aligned copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace win {

class AlignedBuffer {
public:
  AlignedBuffer(void* bytes, std::size_t size);
  // What to hand to the driver: the caller's bytes or their aligned copy.
  void* data() { return copy_.empty() ? bytes_ : copy_.data(); }
  // Puts what the driver wrote into the copy back into the caller's bytes.
  void CopyBack() const;

private:
  void* bytes_;
  std::size_t size_;
  std::vector<std::uint64_t> copy_;
};

} // namespace win
