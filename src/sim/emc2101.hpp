// EMC2101 fan controller and temperature sensor: 256 byte registers behind a
// register pointer. The first byte of a write sets the pointer; further bytes
// and reads use the register it points at.
#pragma once

#include <array>
#include <cstdint>

#include "sim/i2c_device.hpp"

namespace sim {

class Emc2101 : public I2cDevice {
public:
  static constexpr std::uint8_t kAddress = 0x4C;
  static constexpr std::uint8_t kProductIdRegister = 0xFD;
  static constexpr std::uint8_t kManufacturerIdRegister = 0xFE;

  Emc2101() { Reset(); }
  void Reset();

  bool Start(I2cDirection direction) override;
  void WriteByte(std::uint8_t byte) override;
  std::uint8_t ReadByte() override { return registers_[pointer_]; }

  std::uint8_t Register(std::uint8_t index) const { return registers_[index]; }
  // Presets a register, read-only ones included.
  void SetRegister(std::uint8_t index, std::uint8_t value) { registers_[index] = value; }
  std::uint8_t Pointer() const { return pointer_; }

private:
  static bool ReadOnly(std::uint8_t index);

  std::array<std::uint8_t, 256> registers_{};
  std::uint8_t pointer_ = 0;
  bool expectPointer_ = false;
};

} // namespace sim
