// The board's I2C bus: chips by 7-bit address. A transfer to an address with
// no chip, or one the chip refuses, is not acknowledged and changes nothing.
#pragma once

#include <cstdint>
#include <map>
#include <span>

#include "sim/i2c_device.hpp"

namespace sim {

class I2cBus {
public:
  void Attach(std::uint8_t address, I2cDevice& device) { devices_[address] = &device; }

  bool Write(std::uint16_t address, std::span<const std::uint8_t> bytes);
  // Fills `bytes` only when the chip acknowledged the read.
  bool Read(std::uint16_t address, std::span<std::uint8_t> bytes);

private:
  I2cDevice* Find(std::uint16_t address) const;

  std::map<std::uint16_t, I2cDevice*> devices_;
};

} // namespace sim
