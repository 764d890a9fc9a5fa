// PCA9537 4-bit I/O expander: input, output, polarity and configuration
// registers behind a pointer that does not advance. The input register
// ignores writes; its upper nibble has no pins and reads as ones.
#pragma once

#include <array>
#include <cstdint>

#include "sim/i2c_device.hpp"
#include "sim/watched.hpp"

namespace sim {

class Pca9537 : public I2cDevice {
public:
  static constexpr std::uint8_t kAddress = 0x49;
  static constexpr std::size_t kRegisterCount = 4;

  void Reset() { state_.Reset(); }

  bool Start(I2cDirection direction) override;
  void WriteByte(std::uint8_t byte) override;
  std::uint8_t ReadByte() override { return Register(state_->pointer); }

  std::uint8_t Register(std::uint8_t index) const;
  void SetRegister(std::uint8_t index, std::uint8_t value) {
    state_.Edit().registers[index & 3] = value;
  }
  std::uint8_t Pins() const { return state_->pins; }
  void SetPins(std::uint8_t levels) { state_.Edit().pins = levels & 0x0F; }
  std::uint8_t Pointer() const { return state_->pointer; }

  std::uint64_t writes() const { return state_.writes(); }
  friend bool operator==(const Pca9537& a, const Pca9537& b) { return a.state_ == b.state_; }

private:
  struct State {
    std::array<std::uint8_t, kRegisterCount> registers = {0x00, 0xFF, 0x00, 0xFF};
    std::uint8_t pins = 0x0F;
    std::uint8_t pointer = 0;
    bool expectPointer = false;
    friend bool operator==(const State&, const State&) = default;
  };
  Watched<State> state_;
};

} // namespace sim
