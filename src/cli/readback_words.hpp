// What a loader leaves in the board from a file, worked out from the loader's
// own pieces, blocks and streams so that a read-back checks exactly what the
// load wrote. Pure: nothing here touches the device.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/plan.hpp"

namespace cli {

// One FPGA register as a load leaves it.
struct WrittenWord {
  std::uint16_t address;
  // Inside the table window, the bank selected when it was written; none when
  // outside the window or written to whichever bank was current.
  std::optional<std::uint8_t> bank;
  std::uint16_t value;
  friend bool operator==(const WrittenWord&, const WrittenWord&) = default;
};

// The words that register-pair blocks leave, sent in this order: the last
// write to a place wins. A pair at the bank register selects the window's bank
// (its low byte) for the pairs after it and is itself no table word. Ordered
// for reading: unbanked words first, then bank by bank, by address.
std::vector<WrittenWord> WordsOfPairBlocks(std::span<const std::vector<std::uint8_t>> blocks);

struct TableWords {
  std::vector<WrittenWord> words;
  // Why the load writes nothing to check; empty when words holds its writes.
  std::string problem;
};

// The words the ep1out, afe, apod or log loader writes from the file at path;
// ep1outStart is the start address field's text as the ep1out loader reads it.
TableWords LoadedWords(Table table, const std::string& path, std::string_view ep1outStart);

struct FirmwareBytes {
  // From EEPROM address 0 on; bits 18..16 of an address are the chip.
  std::vector<std::uint8_t> bytes;
  std::string problem;
};

// The bytes the firmware loader stores from the file at path.
FirmwareBytes LoadedFirmware(const std::string& path);

} // namespace cli
