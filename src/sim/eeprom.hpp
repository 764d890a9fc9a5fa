// Serial EEPROM of 64 KiB: a two-byte address (high byte first) sets the
// pointer; written bytes wrap inside their 32-byte page, reads run on across
// pages and wrap at the end of memory.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/i2c_device.hpp"

namespace sim {

class Eeprom : public I2cDevice {
public:
  static constexpr std::uint8_t kFirstAddress = 0x50;
  static constexpr std::size_t kChips = 8;
  static constexpr std::size_t kSize = 0x10000;
  static constexpr std::uint16_t kPageSize = 32;

  Eeprom() { Reset(); }
  void Reset();

  bool Start(I2cDirection direction) override;
  void WriteByte(std::uint8_t byte) override;
  std::uint8_t ReadByte() override;

  std::uint8_t Byte(std::uint16_t address) const { return memory_[address]; }
  void SetByte(std::uint16_t address, std::uint8_t value) { memory_[address] = value; }
  std::uint16_t Pointer() const { return pointer_; }

private:
  std::vector<std::uint8_t> memory_;
  std::uint16_t pointer_ = 0;
  int addressBytes_ = 0;
  std::uint8_t addressHigh_ = 0;
};

} // namespace sim
