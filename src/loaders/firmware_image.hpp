// A firmware image cut into the EEPROM writes that store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "device/board_map.hpp"

namespace loaders {

// The image fills at most the whole EEPROM space.
constexpr std::size_t kFirmwareMaxBytes = board::kEepromSpace;
constexpr std::size_t kFirmwarePieceSize = 32;

struct FirmwarePiece {
  std::uint16_t device;           // I2C address of one of the EEPROM chips
  std::vector<std::uint8_t> data; // address high, address low, then the image bytes
  int percent;                    // share of the image sent once this piece is out
};

// The pieces in sending order; at most 32 image bytes each, starting at
// multiples of 32. The image must not exceed kFirmwareMaxBytes.
std::vector<FirmwarePiece> FirmwarePieces(std::span<const std::uint8_t> image);

} // namespace loaders
