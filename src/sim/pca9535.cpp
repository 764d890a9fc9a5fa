#include "sim/pca9535.hpp"

namespace sim {

namespace {

constexpr std::uint8_t kOutput0 = 2;
constexpr std::uint8_t kPolarity0 = 4;
constexpr std::uint8_t kConfig0 = 6;

} // namespace

void Pca9535::Reset() {
  // Inputs follow the pins; outputs high, no inversion, every pin an input.
  registers_ = {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF};
  pins_ = {0xFF, 0xFF};
  pointer_ = 0;
  expectPointer_ = false;
}

bool Pca9535::Start(I2cDirection direction) {
  expectPointer_ = direction == I2cDirection::Write;
  return true;
}

std::uint8_t Pca9535::Register(std::uint8_t index) const {
  index &= 7;
  if (index >= kOutput0)
    return registers_[index];
  // Configuration bit set = input pin: its level through the polarity
  // inversion. Output pins read back what the output register drives.
  const std::uint8_t inputs = registers_[kConfig0 + index];
  const std::uint8_t level =
      static_cast<std::uint8_t>(pins_[index] ^ registers_[kPolarity0 + index]);
  return static_cast<std::uint8_t>((level & inputs) | (registers_[kOutput0 + index] & ~inputs));
}

void Pca9535::WriteByte(std::uint8_t byte) {
  if (expectPointer_) {
    pointer_ = byte & 7;
    expectPointer_ = false;
    return;
  }
  if (pointer_ >= kOutput0)
    registers_[pointer_] = byte;
  Advance();
}

std::uint8_t Pca9535::ReadByte() {
  const std::uint8_t value = Register(pointer_);
  Advance();
  return value;
}

} // namespace sim
