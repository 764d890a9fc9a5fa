// The TFC table: rows of 32 numbers staged 8 rows at a time in the window
// 0x200..0x3FF and committed by a pulse on bit 15 of register 7.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "loaders/table_text_reader.hpp"

namespace loaders {

constexpr std::size_t kTfcColumns = 32;
constexpr std::size_t kTfcRowsPerBlock = 8;
constexpr std::size_t kTfcBlocks = 32;
constexpr std::uint16_t kTfcWindow = 0x200;
constexpr std::uint16_t kTfcCommitRegister = 7;
// The image is sent in two halves of four rows each.
constexpr std::size_t kTfcHalfBytes = 1024;

using TfcBlockImage = std::array<std::uint8_t, 2 * kTfcHalfBytes>;
using TfcCommitBlock = std::array<std::uint8_t, 32>;

// Reads the next 8 lines into a block image: each number as its low then high
// 16 bits at consecutive window addresses; missing numbers and rows are 0.
// Nothing when the file ended before the block's first line.
std::optional<TfcBlockImage> ReadTfcBlock(TableTextReader& reader);

// Block number in the low byte, bits 8..14 kept from register 7, bit 15 clear.
std::uint16_t TfcCommitWord(std::uint16_t register7, std::uint32_t block);

// Eight writes of register 7: the commit word, with bit 15 set in the 5th and
// 6th, so that the board sees one rising edge.
TfcCommitBlock MakeTfcCommitBlock(std::uint16_t register7, std::uint32_t block);

} // namespace loaders
