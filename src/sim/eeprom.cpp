#include "sim/eeprom.hpp"

namespace sim {

bool Eeprom::Start(I2cDirection direction) {
  // A read continues at the pointer; a write begins with a new address.
  state_.Edit().addressBytes = direction == I2cDirection::Write ? 2 : 0;
  return true;
}

void Eeprom::WriteByte(std::uint8_t byte) {
  State& s = state_.Edit();
  if (s.addressBytes == 2) {
    s.addressHigh = byte;
    s.addressBytes = 1;
    return;
  }
  if (s.addressBytes == 1) {
    s.pointer = static_cast<std::uint16_t>(s.addressHigh << 8 | byte);
    s.addressBytes = 0;
    return;
  }
  s.memory[s.pointer] = byte;
  constexpr std::uint16_t kPageMask = kPageSize - 1;
  s.pointer = static_cast<std::uint16_t>((s.pointer & ~kPageMask) | ((s.pointer + 1) & kPageMask));
}

std::uint8_t Eeprom::ReadByte() {
  State& s = state_.Edit();
  const std::uint8_t value = s.memory[s.pointer];
  s.pointer = static_cast<std::uint16_t>(s.pointer + 1);
  return value;
}

} // namespace sim
