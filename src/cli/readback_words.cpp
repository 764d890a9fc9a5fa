#include "cli/readback_words.hpp"

#include <cstdint>
#include <map>

#include "device/board_map.hpp"
#include "device/requests.hpp"
#include "loaders/afe_table.hpp"
#include "loaders/apod_filter.hpp"
#include "loaders/byte_source.hpp"
#include "loaders/ep1out_blocks.hpp"
#include "loaders/firmware_image.hpp"
#include "loaders/logarithm_table.hpp"
#include "loaders/raw_file.hpp"

namespace cli {

namespace {

using Blocks = std::vector<std::vector<std::uint8_t>>;

std::string CannotRead(const std::string& path, std::uint64_t maxBytes) {
  return "cannot read " + path + " (missing, empty or over " + std::to_string(maxBytes) + " bytes)";
}

TableWords FromBlocks(const Blocks& blocks) {
  return {WordsOfPairBlocks(blocks), {}};
}

TableWords Ep1outWords(const std::string& path, std::string_view start) {
  // The loader takes a file length of up to 32 bits, and reads it as it sends.
  const auto size = loaders::RegularFileSize(path.c_str());
  loaders::FileSource file(path.c_str());
  if (!size || *size == 0 || *size > UINT32_MAX || !file.IsOpen())
    return {{}, CannotRead(path, UINT32_MAX)};
  loaders::Ep1outBlockReader reader(file, *size, loaders::Ep1outStartAddress(start));
  Blocks blocks;
  while (reader.Next())
    blocks.emplace_back(reader.Block().begin(), reader.Block().end());
  return FromBlocks(blocks);
}

TableWords AfeWords(const std::string& path) {
  const auto table = loaders::ReadRawFile(path.c_str(), loaders::kAfeTableMaxBytes, true);
  if (!table)
    return {{}, CannotRead(path, loaders::kAfeTableMaxBytes)};
  Blocks blocks;
  for (const auto& step : loaders::AfeTablePlan(table->size())) {
    if (step.kind == loaders::AfeStep::Kind::TableBlock) {
      blocks.push_back(loaders::AfeTableBlock(*table, step));
    } else if (step.write) {
      blocks.emplace_back();
      AppendPair(blocks.back(), loaders::kBankRegister, static_cast<std::uint16_t>(step.bank));
    }
  }
  return FromBlocks(blocks);
}

TableWords ApodWords(const std::string& path) {
  loaders::FileSource file(path.c_str());
  if (!file.IsOpen())
    return {{}, "cannot read " + path};
  loaders::TableTextReader reader(file);
  const loaders::ApodFilter filter = loaders::ReadApodFilter(reader);
  if (reader.Failed())
    return {{}, "cannot read " + path};
  if (!filter.Complete())
    return {{},
            path + " does not hold " + std::to_string(loaders::kApodEntries) +
                " numbers: its load writes nothing"};
  return FromBlocks({filter.pairs});
}

TableWords LogWords(const std::string& path) {
  loaders::FileSource file(path.c_str());
  if (!file.IsOpen())
    return {{}, "cannot read " + path};
  loaders::TableTextReader reader(file);
  const loaders::LogarithmStream stream = loaders::ReadLogarithmStream(reader);
  if (reader.Failed())
    return {{}, "cannot read " + path};
  // The transfers as sent: a short last one repeats pairs of the one before,
  // which land in whatever bank is selected by then.
  return FromBlocks(loaders::LogarithmTransfers(stream.bytes));
}

} // namespace

std::vector<WrittenWord> WordsOfPairBlocks(std::span<const std::vector<std::uint8_t>> blocks) {
  // Key: bank + 1 (0 for none) above the address, so that the map's order is
  // the reading order.
  std::map<std::uint32_t, WrittenWord> words;
  std::optional<std::uint8_t> bank;
  for (const auto& block : blocks) {
    for (std::size_t at = 0; at + kPairSize <= block.size(); at += kPairSize) {
      const auto address = static_cast<std::uint16_t>(block[at] | (block[at + 1] << 8));
      const auto value = static_cast<std::uint16_t>(block[at + 2] | (block[at + 3] << 8));
      if (address == loaders::kBankRegister) {
        bank = static_cast<std::uint8_t>(value);
        continue;
      }
      const std::optional<std::uint8_t> in =
          address >= loaders::kTableWindow ? bank : std::optional<std::uint8_t>();
      const std::uint32_t key = (in ? *in + 1u : 0u) << 16 | address;
      words.insert_or_assign(key, WrittenWord{address, in, value});
    }
  }
  std::vector<WrittenWord> ordered;
  ordered.reserve(words.size());
  for (const auto& [key, word] : words)
    ordered.push_back(word);
  return ordered;
}

TableWords LoadedWords(Table table, const std::string& path, std::string_view ep1outStart) {
  switch (table) {
  case Table::Ep1out:
    return Ep1outWords(path, ep1outStart);
  case Table::Afe:
    return AfeWords(path);
  case Table::Apod:
    return ApodWords(path);
  case Table::Log:
    return LogWords(path);
  case Table::Firmware:
    break;
  }
  return {{}, "firmware is stored in the EEPROM, not in FPGA registers"};
}

FirmwareBytes LoadedFirmware(const std::string& path) {
  const auto image = loaders::ReadRawFile(path.c_str(), loaders::kFirmwareMaxBytes, false);
  if (!image)
    return {{}, CannotRead(path, loaders::kFirmwareMaxBytes)};
  std::vector<std::uint8_t> stored;
  for (const auto& piece : loaders::FirmwarePieces(*image)) {
    const std::uint32_t address =
        static_cast<std::uint32_t>(piece.device - board::kFirstEeprom) * board::kEepromChipBytes |
        piece.data[0] << 8 | piece.data[1];
    const std::size_t end = address + piece.data.size() - 2;
    if (stored.size() < end)
      stored.resize(end);
    std::copy(piece.data.begin() + 2, piece.data.end(),
              stored.begin() + static_cast<std::ptrdiff_t>(address));
  }
  return {stored, {}};
}

} // namespace cli
