#include <cstdint>
#include <new>

#include "loaders/byte_source.hpp"
#include "loaders/ep1out_blocks.hpp"
#include "loaders/raw_file.hpp"
#include "loaders/raw_file_dialog.hpp"
#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::OnBnClickedEp1outFileLoad() try {
  if (!HasChannel())
    return;
  const auto path = Host().ChooseFile(loaders::RawFileDialog());
  if (!path)
    return;
  // The file length is a 32-bit count.
  const auto size = loaders::RegularFileSize(path->c_str());
  if (!size || *size == 0 || *size > UINT32_MAX)
    return;
  loaders::FileSource file(path->c_str());
  if (!file.IsOpen())
    return;
  const std::uint16_t start = loaders::Ep1outStartAddress(m_EditEp1outStart.GetWindowText());
  // One block in memory at a time, whatever the file's size.
  loaders::Ep1outBlockReader blocks(file, *size, start);
  while (blocks.Next())
    WriteRegisterPairs(blocks.Block().data(), static_cast<std::uint32_t>(blocks.Block().size()));
} catch (const std::bad_alloc&) {
  // Out of memory: the load ends where it stands, as if its file could not be read.
}
