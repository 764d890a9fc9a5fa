// Read-outs beyond the dialog, through the dialog's own request primitives:
// hexadecimal dumps of EEPROM bytes and FPGA registers.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "ui/velta_editor_dlg.hpp"

namespace cli {

// Bytes asked for per read request unless --read-chunk says otherwise: what
// common drivers allow in one I2C read.
constexpr std::uint32_t kDefaultReadChunk = 32;
constexpr std::uint32_t kMaxReadChunk = 4096;

// EEPROM rows of 16 bytes with an ASCII column; a byte that could not be read
// shows as XX.
void DumpEeprom(CVeltaEditorDlg& dialog, int chip, std::uint32_t address, std::uint32_t count,
                std::uint32_t readChunk, std::ostream& out);

// FPGA rows of 8 registers; a register that could not be read shows as XXXX.
void DumpFpga(CVeltaEditorDlg& dialog, std::uint32_t address, std::uint32_t count,
              std::ostream& out);

// One dump row: `first` is the row's first address, values[i] the value at
// first + i or nothing (outside the range: blank; unread: X's).
struct DumpCell {
  bool inRange = false;
  std::optional<std::uint16_t> value;
};
std::string FormatEepromRow(std::uint32_t first, std::span<const DumpCell> cells);
std::string FormatFpgaRow(std::uint32_t first, std::span<const DumpCell> cells);

} // namespace cli
