// What a chip on the simulated I2C bus sees of a transfer. The bus does the
// addressing; a chip knows only its own registers.
#pragma once

#include <cstdint>

namespace sim {

enum class I2cDirection { Write, Read };

class I2cDevice {
public:
  virtual ~I2cDevice() = default;
  // The chip was addressed; false means it does not acknowledge this direction.
  virtual bool Start(I2cDirection direction) = 0;
  virtual void WriteByte(std::uint8_t byte) = 0;
  virtual std::uint8_t ReadByte() = 0;
  virtual void Stop() {}
};

} // namespace sim
