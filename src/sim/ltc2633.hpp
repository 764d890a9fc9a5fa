// LTC2633 dual DAC. Each command is three bytes: command nibble and address
// nibble, the code, and a byte the chip ignores. Reads are not supported.
#pragma once

#include <array>
#include <cstdint>

#include "sim/i2c_device.hpp"

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

  Ltc2633() { Reset(); }
  void Reset();

  bool Start(I2cDirection direction) override;
  void WriteByte(std::uint8_t byte) override;
  std::uint8_t ReadByte() override { return 0xFF; }

  // 0 = DAC A, 1 = DAC B.
  const Channel& Dac(int index) const { return channels_[index & 1]; }
  Channel& Dac(int index) { return channels_[index & 1]; }
  Reference reference() const { return reference_; }
  void set_reference(Reference reference) { reference_ = reference; }

private:
  void Execute(std::uint8_t command, std::uint8_t code);

  std::array<Channel, 2> channels_{};
  Reference reference_ = Reference::Internal;
  std::array<std::uint8_t, 3> pending_{};
  std::size_t received_ = 0;
};

} // namespace sim
