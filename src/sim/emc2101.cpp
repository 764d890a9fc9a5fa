#include "sim/emc2101.hpp"

namespace sim {

bool Emc2101::ReadOnly(std::uint8_t index) {
  return index == kProductIdRegister || index == kManufacturerIdRegister;
}

bool Emc2101::Start(I2cDirection direction) {
  state_.Edit().expectPointer = direction == I2cDirection::Write;
  return true;
}

void Emc2101::WriteByte(std::uint8_t byte) {
  State& s = state_.Edit();
  if (s.expectPointer) {
    s.pointer = byte;
    s.expectPointer = false;
    return;
  }
  if (!ReadOnly(s.pointer))
    s.registers[s.pointer] = byte;
}

} // namespace sim
