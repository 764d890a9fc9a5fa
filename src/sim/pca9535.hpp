// PCA9535 16-bit I/O expander: eight registers in pairs (input, output,
// polarity, configuration; port 0 then port 1). Successive bytes of one
// transfer toggle between the two registers of the pair.
#pragma once

#include <array>
#include <cstdint>

#include "sim/i2c_device.hpp"

namespace sim {

class Pca9535 : public I2cDevice {
public:
  static constexpr std::uint8_t kAddress = 0x20;
  static constexpr std::size_t kRegisterCount = 8;

  Pca9535() { Reset(); }
  void Reset();

  bool Start(I2cDirection direction) override;
  void WriteByte(std::uint8_t byte) override;
  std::uint8_t ReadByte() override;

  // What a read of the register returns; the input ports follow the pins.
  std::uint8_t Register(std::uint8_t index) const;
  // Presets a stored register (2..7); the input ports follow the pins instead.
  void SetRegister(std::uint8_t index, std::uint8_t value) { registers_[index & 7] = value; }
  std::uint8_t Pins(int port) const { return pins_[port & 1]; }
  void SetPins(int port, std::uint8_t levels) { pins_[port & 1] = levels; }
  std::uint8_t Pointer() const { return pointer_; }

private:
  void Advance() { pointer_ ^= 1; }

  std::array<std::uint8_t, kRegisterCount> registers_{};
  std::array<std::uint8_t, 2> pins_{};
  std::uint8_t pointer_ = 0;
  bool expectPointer_ = false;
};

} // namespace sim
