// The logarithm table: up to 65536 numbers in banks 5 and 6 of the table
// window, as one pair stream with the bank selections in it, sent in
// transfers of at most 1024 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "loaders/table_text_reader.hpp"
#include "loaders/table_window.hpp"

namespace loaders {

constexpr std::size_t kLogMaxEntries = 65536;
constexpr std::size_t kLogBankEntries = 32768;
constexpr std::uint16_t kLogFirstBank = 5;
constexpr std::uint16_t kLogSecondBank = 6;
constexpr std::size_t kTransferBytes = 1024;
constexpr std::size_t kMinTransferBytes = 32;

struct LogarithmStream {
  std::vector<std::uint8_t> bytes;
  std::size_t count = 0; // entries taken
};

// Reads numbers across lines, at most 65536; the rest of the file is ignored.
LogarithmStream ReadLogarithmStream(TableTextReader& reader);

// The stream cut into transfers. Each is copied into one reused 1024-byte
// buffer; a last transfer shorter than 32 bytes is raised to 32, and the bytes
// past its own are what the buffer still holds from the transfer before, or,
// when there was none, copies of its own last pair.
std::vector<std::vector<std::uint8_t>> LogarithmTransfers(std::span<const std::uint8_t> stream);

} // namespace loaders
