#include "cli/extras.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "device/board_map.hpp"

namespace cli {

namespace {

// Sets the chip's address pointer, then reads sequentially.
bool ReadEeprom(CVeltaEditorDlg& dialog, std::uint8_t chip, std::uint16_t address,
                std::span<std::uint8_t> bytes) {
  const std::uint8_t pointer[2] = {static_cast<std::uint8_t>(address >> 8),
                                   static_cast<std::uint8_t>(address)};
  if (ks::Failed(dialog.WriteI2c(chip, pointer, 2)))
    return false;
  return ks::Succeeded(dialog.ReadI2c(chip, bytes.data(), static_cast<std::int32_t>(bytes.size())));
}

template <std::size_t Width, class Format>
void DumpRows(std::uint32_t address, std::uint32_t count, std::ostream& out, Format format,
              const std::vector<std::optional<std::uint16_t>>& values) {
  const std::uint32_t end = address + count;
  for (std::uint32_t row = address - address % Width; row < end; row += Width) {
    std::array<DumpCell, Width> cells{};
    for (std::uint32_t i = 0; i < Width; ++i) {
      const std::uint32_t at = row + i;
      if (at >= address && at < end)
        cells[i] = {true, values[at - address]};
    }
    out << format(row, cells) << '\n';
  }
}

} // namespace

std::string FormatEepromRow(std::uint32_t first, std::span<const DumpCell> cells) {
  char text[16];
  std::snprintf(text, sizeof text, "%04x:", first);
  std::string line = text;
  std::string ascii;
  for (const DumpCell& cell : cells) {
    if (!cell.inRange) {
      line += "   ";
      ascii += ' ';
    } else if (!cell.value) {
      line += " XX";
      ascii += '?';
    } else {
      std::snprintf(text, sizeof text, " %02x", *cell.value);
      line += text;
      ascii += (*cell.value >= 0x20 && *cell.value < 0x7F) ? static_cast<char>(*cell.value) : '.';
    }
  }
  return line + "    " + ascii;
}

std::string FormatFpgaRow(std::uint32_t first, std::span<const DumpCell> cells) {
  char text[16];
  std::snprintf(text, sizeof text, "%04x:", first);
  std::string line = text;
  for (const DumpCell& cell : cells) {
    if (!cell.inRange) {
      line += "     ";
    } else if (!cell.value) {
      line += " XXXX";
    } else {
      std::snprintf(text, sizeof text, " %04x", *cell.value);
      line += text;
    }
  }
  while (!line.empty() && line.back() == ' ')
    line.pop_back();
  return line;
}

void DumpEeprom(CVeltaEditorDlg& dialog, int chip, std::uint32_t address, std::uint32_t count,
                std::uint32_t readChunk, std::ostream& out) {
  const auto device = static_cast<std::uint8_t>(board::kFirstEeprom + chip);
  std::vector<std::optional<std::uint16_t>> values;
  for (std::uint32_t done = 0; done < count;) {
    std::vector<std::uint8_t> chunk(std::min(readChunk, count - done));
    const bool read = ReadEeprom(dialog, device, static_cast<std::uint16_t>(address + done), chunk);
    for (const std::uint8_t byte : chunk)
      values.push_back(read ? std::optional<std::uint16_t>(byte) : std::nullopt);
    done += static_cast<std::uint32_t>(chunk.size());
  }
  out << "       0  1  2  3  4  5  6  7  8  9  a  b  c  d  e  f    0123456789abcdef\n";
  DumpRows<16>(address, count, out, FormatEepromRow, values);
}

void DumpFpga(CVeltaEditorDlg& dialog, std::uint32_t address, std::uint32_t count,
              std::ostream& out) {
  std::vector<std::optional<std::uint16_t>> values;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint16_t value = 0;
    const bool read = ks::Succeeded(dialog.ReadFpgaRegister(address + i, &value));
    values.push_back(read ? std::optional<std::uint16_t>(value) : std::nullopt);
  }
  out << "         0    1    2    3    4    5    6    7\n";
  DumpRows<8>(address, count, out, FormatFpgaRow, values);
}

} // namespace cli
