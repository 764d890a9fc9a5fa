// A raw data file as register pairs at consecutive FPGA addresses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "loaders/byte_source.hpp"

namespace loaders {

// A block's 16-bit length field holds at most 16,383 pairs (65,532 bytes).
constexpr std::size_t kMaxPairsPerBlock = 16383;

// The start address field: hexadecimal, and 0 when empty, unreadable or
// negative; only the low 16 bits address the FPGA.
std::uint16_t Ep1outStartAddress(std::string_view fieldText);

// The file's little-endian words as pairs (start + i, word i), addresses
// wrapping at 0x10000, in blocks of at most kMaxPairsPerBlock pairs. The file
// is read one block's words at a time, so memory does not grow with it.
class Ep1outBlockReader {
public:
  // length: the file's size; an odd last byte is left out, and fewer than
  // two bytes give one empty block.
  Ep1outBlockReader(ByteSource& file, std::uint64_t length, std::uint16_t start);

  // Builds the next block; false after the last one, or when the file gives
  // fewer bytes than its length promised (that block and later are not built).
  bool Next();
  std::span<const std::uint8_t> Block() const { return block_; }

private:
  ByteSource& file_;
  std::uint64_t remaining_;
  std::uint16_t address_;
  bool started_ = false;
  std::vector<char> words_;
  std::vector<std::uint8_t> block_;
};

} // namespace loaders
