// A firmware image cut into the EEPROM writes that store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace loaders {

// The EEPROM address is 19 bits: eight devices of 64 KiB.
constexpr std::size_t kFirmwareMaxBytes = 512 * 1024;
constexpr std::size_t kFirmwarePieceSize = 32;
constexpr std::uint16_t kEepromFirstDevice = 0x50;

struct FirmwarePiece {
  std::uint16_t device;           // I2C address 0x50..0x57
  std::vector<std::uint8_t> data; // address high, address low, then the image bytes
  int percent;                    // share of the image sent once this piece is out
};

// The pieces in sending order; at most 32 image bytes each, starting at
// multiples of 32. The image must not exceed kFirmwareMaxBytes.
std::vector<FirmwarePiece> FirmwarePieces(std::span<const std::uint8_t> image);

} // namespace loaders
