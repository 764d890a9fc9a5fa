#include "sim/emc2101.hpp"

namespace sim {

void Emc2101::Reset() {
  registers_.fill(0);
  registers_[kProductIdRegister] = 0x16;
  registers_[kManufacturerIdRegister] = 0x5D;
  pointer_ = 0;
  expectPointer_ = false;
}

bool Emc2101::ReadOnly(std::uint8_t index) {
  return index == kProductIdRegister || index == kManufacturerIdRegister;
}

bool Emc2101::Start(I2cDirection direction) {
  expectPointer_ = direction == I2cDirection::Write;
  return true;
}

void Emc2101::WriteByte(std::uint8_t byte) {
  if (expectPointer_) {
    pointer_ = byte;
    expectPointer_ = false;
    return;
  }
  if (!ReadOnly(pointer_))
    registers_[pointer_] = byte;
}

} // namespace sim
