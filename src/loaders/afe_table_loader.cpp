#include <new>

#include "device/requests.hpp"
#include "loaders/afe_table.hpp"
#include "loaders/raw_file.hpp"
#include "loaders/raw_file_dialog.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace {

// Selects a bank keeping the register's high byte; false when the upload must
// stop (any result but S_OK fails). A register already holding the value gets
// the 8-pair block instead, whose result does not matter.
bool SelectBank(CVeltaEditorDlg& dialog, const loaders::AfeStep& step) {
  std::uint16_t read = 0;
  if (dialog.ReadFpgaRegister(loaders::kBankRegister, &read) != ks::S_OK)
    return false;
  if (!step.write)
    return true;
  const std::uint16_t value = loaders::BankValue(read, step.bank);
  if (value != read)
    return dialog.WriteFpgaRegister(loaders::kBankRegister, &value) == ks::S_OK;
  const auto block = RepeatedPairBlock(loaders::kBankRegister, value);
  dialog.WriteRegisterPairs(block.data(), static_cast<std::uint32_t>(block.size()));
  return true;
}

} // namespace

void CVeltaEditorDlg::OnBnClickedAfeTableFileLoad() try {
  if (!HasChannel())
    return;
  const auto path = Host().ChooseFile(loaders::RawFileDialog());
  if (!path)
    return;
  // Bank numbers above 255 do not fit the bank register's low byte.
  const auto size = loaders::RegularFileSize(path->c_str());
  if (size && *size > loaders::kAfeTableMaxBytes) {
    MessageBox("AFE table file is larger than 16 MiB", Host().AppName(), dlg::MB_ICONERROR);
    return;
  }
  const auto table = loaders::ReadRawFile(path->c_str(), loaders::kAfeTableMaxBytes, true);
  if (!table)
    return;
  for (const auto& step : loaders::AfeTablePlan(table->size())) {
    if (step.kind == loaders::AfeStep::Kind::SelectBank) {
      if (!SelectBank(*this, step))
        return;
      continue;
    }
    const auto block = loaders::AfeTableBlock(*table, step);
    if (WriteRegisterPairs(block.data(), static_cast<std::uint32_t>(block.size())) != ks::S_OK)
      return;
  }
} catch (const std::bad_alloc&) {
  // Out of memory: the load ends where it stands, as if its file could not be read.
}
