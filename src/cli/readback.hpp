// Saves of board memory to files and read-backs of what a loader wrote, all
// through the dialog's request primitives: I2C reads in pieces, FPGA registers
// one get at a time, table-window banks through the bank register, which is
// read first and written back at the end.
#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>

#include "cli/extras.hpp"
#include "cli/plan.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace cli {

struct ReadSetup {
  std::size_t readChunk = kDefaultReadChunk;
  // A terminal: a read that lasts shows its progress there.
  std::ostream* progress = nullptr;
};

// Each returns false when it could not do its work or a verification found a
// difference, having said why on err.

// Raw bytes from the EEPROM space into the file; the file is written only
// when every read succeeded.
bool SaveEeprom(CVeltaEditorDlg& dialog, const EepromSave& save, const ReadSetup& setup,
                std::ostream& err);

// Registers into the file, one decimal number a line (a table text file).
bool SaveFpga(CVeltaEditorDlg& dialog, const FpgaSave& save, const ReadSetup& setup,
              std::ostream& err);

// Reads back what the table's loader writes from the file and compares:
// "verified N words" (bytes for firmware) on out, or the first mismatch and
// their count on err. ep1outStart: the start address field as it stands.
bool VerifyLoad(CVeltaEditorDlg& dialog, const VerifyTable& verify, std::string_view ep1outStart,
                const ReadSetup& setup, std::ostream& out, std::ostream& err);

} // namespace cli
