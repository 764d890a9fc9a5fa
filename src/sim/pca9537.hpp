// PCA9537 4-bit I/O expander: input, output, polarity and configuration
// registers behind a pointer that does not advance. The input register
// ignores writes; its upper nibble has no pins and reads as ones.
#pragma once

#include <array>
#include <cstdint>

#include "sim/i2c_device.hpp"

namespace sim {

class Pca9537 : public I2cDevice {
public:
  static constexpr std::uint8_t kAddress = 0x49;
  static constexpr std::size_t kRegisterCount = 4;

  Pca9537() { Reset(); }
  void Reset();

  bool Start(I2cDirection direction) override;
  void WriteByte(std::uint8_t byte) override;
  std::uint8_t ReadByte() override { return Register(pointer_); }

  std::uint8_t Register(std::uint8_t index) const;
  void SetRegister(std::uint8_t index, std::uint8_t value) { registers_[index & 3] = value; }
  std::uint8_t Pins() const { return pins_; }
  void SetPins(std::uint8_t levels) { pins_ = levels & 0x0F; }
  std::uint8_t Pointer() const { return pointer_; }

private:
  std::array<std::uint8_t, kRegisterCount> registers_{};
  std::uint8_t pins_ = 0;
  std::uint8_t pointer_ = 0;
  bool expectPointer_ = false;
};

} // namespace sim
