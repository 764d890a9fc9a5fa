// The reads that saves and read-backs are made of, through the dialog's
// request primitives: the firmware loader's EEPROM space in I2C pieces, and
// banks of the table window selected through the bank register.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "cli/readback_progress.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace cli {

// "0x" and value in at least digits hexadecimal digits.
std::string HexValue(unsigned value, int digits);

// Reads the EEPROM space (board::EepromChipOf picks the chip) from
// address on in pieces of at most readChunk bytes, each inside one chip and
// led by the chip's address pointer. The address of the first piece that
// failed, if any; the pieces before it are read.
std::optional<std::uint32_t> ReadEepromSpace(CVeltaEditorDlg& dialog, std::uint32_t address,
                                             std::span<std::uint8_t> bytes, std::size_t readChunk,
                                             ProgressLine& progress);

// Pages the table window for reading and puts the bank register back as it
// was found. The register is read on the first selection; a bank goes into its
// low byte, its high byte kept.
class BankSelector {
public:
  explicit BankSelector(CVeltaEditorDlg& dialog) : dialog_(dialog) {}

  // Why the bank could not be selected; empty once it is.
  std::string Select(std::uint8_t bank);
  // Why the register could not be written back; empty when it holds what it
  // held before (nothing is written when nothing was changed).
  std::string Restore();

private:
  CVeltaEditorDlg& dialog_;
  std::optional<std::uint16_t> found_;
  std::uint16_t current_ = 0;
};

} // namespace cli
