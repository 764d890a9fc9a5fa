// Where the board's parts answer on its I2C bus, and how the EEPROM space is
// laid out: every console user of an address reads it here.
#pragma once

#include <cstdint>

namespace board {

constexpr std::uint16_t kEmc2101 = 0x4C;
constexpr std::uint16_t kPca9535 = 0x20;
constexpr std::uint16_t kPca9537 = 0x49;

// The FPGA's 16-bit register addresses (loaders/table_window.hpp: its banks).
constexpr std::uint32_t kFpgaAddresses = 0x10000;

// Eight AT24C64 chips of 64 KiB at consecutive addresses: a 19-bit EEPROM
// address is the chip in bits 18..16 and the byte within it below.
constexpr std::uint16_t kFirstEeprom = 0x50;
constexpr int kEepromChips = 8;
constexpr std::uint32_t kEepromChipBytes = 0x10000;
constexpr std::uint32_t kEepromSpace = kEepromChips * kEepromChipBytes;

// The I2C address of the chip holding a 19-bit EEPROM address.
constexpr std::uint16_t EepromChipOf(std::uint32_t address) {
  return static_cast<std::uint16_t>(kFirstEeprom + ((address / kEepromChipBytes) % kEepromChips));
}

} // namespace board
