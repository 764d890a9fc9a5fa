// A raw data file as register pairs at consecutive FPGA addresses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace loaders {

// A block's 16-bit length field holds at most 16,383 pairs (65,532 bytes).
constexpr std::size_t kMaxPairsPerBlock = 16383;

// The start address field: hexadecimal, and 0 when empty, unreadable or
// negative; only the low 16 bits address the FPGA.
std::uint16_t Ep1outStartAddress(std::string_view fieldText);

// The file's little-endian words as pairs (start + i, word i), addresses
// wrapping at 0x10000, in blocks of at most kMaxPairsPerBlock pairs. An odd
// last byte is ignored; fewer than two bytes give one empty block.
std::vector<std::vector<std::uint8_t>> Ep1outBlocks(std::span<const std::uint8_t> bytes,
                                                    std::uint16_t start);

} // namespace loaders
