#include "sim/pca9537.hpp"

namespace sim {

namespace {

constexpr std::uint8_t kInput = 0;
constexpr std::uint8_t kOutput = 1;
constexpr std::uint8_t kPolarity = 2;
constexpr std::uint8_t kConfig = 3;
constexpr std::uint8_t kNoPins = 0xF0;

} // namespace

void Pca9537::Reset() {
  registers_ = {0x00, 0xFF, 0x00, 0xFF};
  pins_ = 0x0F;
  pointer_ = 0;
  expectPointer_ = false;
}

bool Pca9537::Start(I2cDirection direction) {
  expectPointer_ = direction == I2cDirection::Write;
  return true;
}

std::uint8_t Pca9537::Register(std::uint8_t index) const {
  index &= 3;
  if (index != kInput)
    return registers_[index];
  const std::uint8_t inputs = registers_[kConfig];
  const std::uint8_t level = static_cast<std::uint8_t>(pins_ ^ registers_[kPolarity]);
  const std::uint8_t port =
      static_cast<std::uint8_t>((level & inputs) | (registers_[kOutput] & ~inputs));
  return static_cast<std::uint8_t>(kNoPins | (port & 0x0F));
}

void Pca9537::WriteByte(std::uint8_t byte) {
  if (expectPointer_) {
    pointer_ = byte & 3;
    expectPointer_ = false;
    return;
  }
  if (pointer_ != kInput)
    registers_[pointer_] = byte;
}

} // namespace sim
