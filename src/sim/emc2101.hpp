// EMC2101 fan controller and temperature sensor: 256 byte registers behind a
// register pointer. The first byte of a write sets the pointer; further bytes
// and reads use the register it points at.
#pragma once

#include <array>
#include <cstdint>

#include "sim/i2c_device.hpp"
#include "sim/watched.hpp"

namespace sim {

class Emc2101 : public I2cDevice {
public:
  static constexpr std::uint8_t kAddress = 0x4C;
  static constexpr std::uint8_t kProductIdRegister = 0xFD;
  static constexpr std::uint8_t kManufacturerIdRegister = 0xFE;

  void Reset() { state_.Reset(); }

  bool Start(I2cDirection direction) override;
  void WriteByte(std::uint8_t byte) override;
  std::uint8_t ReadByte() override { return state_->registers[state_->pointer]; }

  std::uint8_t Register(std::uint8_t index) const { return state_->registers[index]; }
  // Presets a register, read-only ones included.
  void SetRegister(std::uint8_t index, std::uint8_t value) {
    state_.Edit().registers[index] = value;
  }
  std::uint8_t Pointer() const { return state_->pointer; }

  std::uint64_t writes() const { return state_.writes(); }
  friend bool operator==(const Emc2101& a, const Emc2101& b) { return a.state_ == b.state_; }

private:
  static bool ReadOnly(std::uint8_t index);
  static constexpr std::array<std::uint8_t, 256> PowerOnRegisters() {
    std::array<std::uint8_t, 256> registers{};
    registers[kProductIdRegister] = 0x16;
    registers[kManufacturerIdRegister] = 0x5D;
    return registers;
  }

  struct State {
    std::array<std::uint8_t, 256> registers = PowerOnRegisters();
    std::uint8_t pointer = 0;
    bool expectPointer = false;
    friend bool operator==(const State&, const State&) = default;
  };
  Watched<State> state_;
};

} // namespace sim
