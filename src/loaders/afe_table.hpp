// The AFE table's placement in the FPGA's banked table window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "loaders/table_window.hpp"

namespace loaders {

// Bank numbers live in the low byte of the bank register: 256 banks of 64 KiB.
constexpr std::uint64_t kAfeTableMaxBytes = 16 * 1024 * 1024;
constexpr std::size_t kAfeBlockPairs = 1024;
constexpr std::size_t kMinBlockPairs = 8;

// The bank register value that selects bank with the read value's high byte.
std::uint16_t BankValue(std::uint16_t read, std::uint32_t bank);

// One step of an upload: select a bank, or write table words into the window.
struct AfeStep {
  enum class Kind { SelectBank, TableBlock };
  Kind kind;
  std::uint32_t bank = 0;    // SelectBank: the bank
  bool write = true;         // SelectBank: false once past the last bank (read only)
  std::size_t firstWord = 0; // TableBlock: first table word
  std::size_t count = 0;     // TableBlock: number of words, 1..1024
  std::uint32_t base = 0;    // TableBlock: window address of the first word
};

// The steps for a table of byteCount bytes (even), in sending order.
std::vector<AfeStep> AfeTablePlan(std::size_t byteCount);

// The pairs of one table block; fewer than eight are padded with copies of
// the last, so that a block is never shorter than 32 bytes.
std::vector<std::uint8_t> AfeTableBlock(std::span<const std::uint8_t> table, const AfeStep& step);

} // namespace loaders
