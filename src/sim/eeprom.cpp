#include "sim/eeprom.hpp"

namespace sim {

void Eeprom::Reset() {
  memory_.assign(kSize, 0xFF); // erased
  pointer_ = 0;
  addressBytes_ = 0;
}

bool Eeprom::Start(I2cDirection direction) {
  // A read continues at the pointer; a write begins with a new address.
  addressBytes_ = direction == I2cDirection::Write ? 2 : 0;
  return true;
}

void Eeprom::WriteByte(std::uint8_t byte) {
  if (addressBytes_ == 2) {
    addressHigh_ = byte;
    addressBytes_ = 1;
    return;
  }
  if (addressBytes_ == 1) {
    pointer_ = static_cast<std::uint16_t>(addressHigh_ << 8 | byte);
    addressBytes_ = 0;
    return;
  }
  memory_[pointer_] = byte;
  constexpr std::uint16_t kPageMask = kPageSize - 1;
  pointer_ = static_cast<std::uint16_t>((pointer_ & ~kPageMask) | ((pointer_ + 1) & kPageMask));
}

std::uint8_t Eeprom::ReadByte() {
  const std::uint8_t value = memory_[pointer_];
  pointer_ = static_cast<std::uint16_t>(pointer_ + 1);
  return value;
}

} // namespace sim
