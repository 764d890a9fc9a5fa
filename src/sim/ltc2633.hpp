// LTC2633 dual DAC. Each command is three bytes: command nibble and address
// nibble, the code, and a byte the chip ignores. Reads are not supported.
#pragma once

#include <array>
#include <cstdint>

#include "sim/i2c_device.hpp"
#include "sim/watched.hpp"

namespace sim {

class Ltc2633 : public I2cDevice {
public:
  static constexpr std::uint8_t kAddress = 0x10;

  enum class Reference { Internal, External };
  struct Channel {
    std::uint8_t input = 0;
    std::uint8_t dac = 0;
    bool poweredDown = false;
    friend bool operator==(const Channel&, const Channel&) = default;
  };

  void Reset() { state_.Reset(); }

  bool Start(I2cDirection direction) override;
  void WriteByte(std::uint8_t byte) override;
  std::uint8_t ReadByte() override { return 0xFF; }

  // 0 = DAC A, 1 = DAC B.
  const Channel& Dac(int index) const { return state_->channels[index & 1]; }
  Reference reference() const { return state_->reference; }
  void set_reference(Reference reference) { state_.Edit().reference = reference; }

  std::uint64_t writes() const { return state_.writes(); }
  friend bool operator==(const Ltc2633& a, const Ltc2633& b) { return a.state_ == b.state_; }

private:
  // Power-on: zero scale, both DACs up, internal reference.
  struct State {
    std::array<Channel, 2> channels{};
    Reference reference = Reference::Internal;
    std::array<std::uint8_t, 3> pending{};
    std::size_t received = 0;
    friend bool operator==(const State&, const State&) = default;
  };

  void Execute(std::uint8_t command, std::uint8_t code);

  Watched<State> state_;
};

} // namespace sim
