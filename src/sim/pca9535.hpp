// PCA9535 16-bit I/O expander: eight registers in pairs (input, output,
// polarity, configuration; port 0 then port 1). Successive bytes of one
// transfer toggle between the two registers of the pair.
#pragma once

#include <array>
#include <cstdint>

#include "sim/i2c_device.hpp"
#include "sim/watched.hpp"

namespace sim {

class Pca9535 : public I2cDevice {
public:
  static constexpr std::uint8_t kAddress = 0x20;
  static constexpr std::size_t kRegisterCount = 8;

  void Reset() { state_.Reset(); }

  bool Start(I2cDirection direction) override;
  void WriteByte(std::uint8_t byte) override;
  std::uint8_t ReadByte() override;

  // What a read of the register returns; the input ports follow the pins.
  std::uint8_t Register(std::uint8_t index) const;
  // Presets a stored register (2..7); the input ports follow the pins instead.
  void SetRegister(std::uint8_t index, std::uint8_t value) {
    state_.Edit().registers[index & 7] = value;
  }
  std::uint8_t Pins(int port) const { return state_->pins[port & 1]; }
  void SetPins(int port, std::uint8_t levels) { state_.Edit().pins[port & 1] = levels; }
  std::uint8_t Pointer() const { return state_->pointer; }

  std::uint64_t writes() const { return state_.writes(); }
  friend bool operator==(const Pca9535& a, const Pca9535& b) { return a.state_ == b.state_; }

private:
  // Power-on: inputs follow the pins; outputs high, no inversion, every pin
  // an input.
  struct State {
    std::array<std::uint8_t, kRegisterCount> registers = {0x00, 0x00, 0xFF, 0xFF,
                                                          0x00, 0x00, 0xFF, 0xFF};
    std::array<std::uint8_t, 2> pins = {0xFF, 0xFF};
    std::uint8_t pointer = 0;
    bool expectPointer = false;
    friend bool operator==(const State&, const State&) = default;
  };
  Watched<State> state_;
};

} // namespace sim
