// Serial EEPROM of 64 KiB: a two-byte address (high byte first) sets the
// pointer; written bytes wrap inside their 32-byte page, reads run on across
// pages and wrap at the end of memory.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/i2c_device.hpp"
#include "sim/watched.hpp"

namespace sim {

class Eeprom : public I2cDevice {
public:
  static constexpr std::uint8_t kFirstAddress = 0x50;
  static constexpr std::size_t kChips = 8;
  static constexpr std::size_t kSize = 0x10000;
  static constexpr std::uint16_t kPageSize = 32;

  void Reset() { state_.Reset(); }

  bool Start(I2cDirection direction) override;
  void WriteByte(std::uint8_t byte) override;
  std::uint8_t ReadByte() override;

  std::uint8_t Byte(std::uint16_t address) const { return state_->memory[address]; }
  void SetByte(std::uint16_t address, std::uint8_t value) { state_.Edit().memory[address] = value; }
  std::uint16_t Pointer() const { return state_->pointer; }

  std::uint64_t writes() const { return state_.writes(); }
  friend bool operator==(const Eeprom& a, const Eeprom& b) { return a.state_ == b.state_; }

private:
  struct State {
    std::vector<std::uint8_t> memory = std::vector<std::uint8_t>(kSize, 0xFF); // erased
    std::uint16_t pointer = 0;
    int addressBytes = 0;
    std::uint8_t addressHigh = 0;
    friend bool operator==(const State&, const State&) = default;
  };
  Watched<State> state_;
};

} // namespace sim
