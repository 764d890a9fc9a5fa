#include "sim/i2c_bus.hpp"

namespace sim {

I2cDevice* I2cBus::Find(std::uint16_t address) const {
  const auto it = devices_.find(address);
  return it == devices_.end() ? nullptr : it->second;
}

bool I2cBus::Write(std::uint16_t address, std::span<const std::uint8_t> bytes) {
  I2cDevice* device = Find(address);
  if (device == nullptr || !device->Start(I2cDirection::Write))
    return false;
  for (const std::uint8_t byte : bytes)
    device->WriteByte(byte);
  device->Stop();
  return true;
}

bool I2cBus::Read(std::uint16_t address, std::span<std::uint8_t> bytes) {
  I2cDevice* device = Find(address);
  if (device == nullptr || !device->Start(I2cDirection::Read))
    return false;
  for (std::uint8_t& byte : bytes)
    byte = device->ReadByte();
  device->Stop();
  return true;
}

} // namespace sim
