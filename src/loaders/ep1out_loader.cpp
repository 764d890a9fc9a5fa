#include <cstdint>

#include "loaders/ep1out_blocks.hpp"
#include "loaders/raw_file.hpp"
#include "loaders/raw_file_dialog.hpp"
#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::OnBnClickedEp1outFileLoad() {
  if (!HasChannel())
    return;
  const auto path = Host().ChooseFile(loaders::RawFileDialog());
  if (!path)
    return;
  // The file length is a 32-bit count.
  const auto bytes = loaders::ReadRawFile(path->c_str(), UINT32_MAX, true);
  if (!bytes)
    return;
  const std::uint16_t start = loaders::Ep1outStartAddress(m_EditEp1outStart.GetWindowText());
  for (const auto& block : loaders::Ep1outBlocks(*bytes, start))
    WriteRegisterPairs(block.data(), static_cast<std::uint32_t>(block.size()));
}
