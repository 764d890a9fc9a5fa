#include <cstdio>
#include <new>

#include "loaders/firmware_image.hpp"
#include "loaders/raw_file.hpp"
#include "loaders/raw_file_dialog.hpp"
#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::OnBnClickedLoadFirmware() try {
  if (!HasChannel())
    return;
  const auto path = Host().ChooseFile(loaders::RawFileDialog());
  if (!path)
    return;
  // Past 512 KiB the 19-bit EEPROM address would wrap onto the image's start.
  const auto size = loaders::RegularFileSize(path->c_str());
  if (size && *size > loaders::kFirmwareMaxBytes) {
    MessageBox("Firmware image is larger than 512 KiB", Host().AppName(), dlg::MB_ICONERROR);
    return;
  }
  const auto image = loaders::ReadRawFile(path->c_str(), loaders::kFirmwareMaxBytes, false);
  if (!image)
    return;
  for (const auto& piece : loaders::FirmwarePieces(*image)) {
    m_clock.Sleep(20);
    WriteI2c(piece.device, piece.data.data(), static_cast<std::int32_t>(piece.data.size()));
    if (piece.percent == m_Progress.GetPos())
      continue;
    m_Progress.SetPos(piece.percent);
    char text[16];
    std::snprintf(text, sizeof text, "%d %%", piece.percent);
    m_StaticProgress.SetWindowText(text);
    m_Progress.UpdateWindow();
    m_StaticProgress.UpdateWindow();
  }
} catch (const std::bad_alloc&) {
  // Out of memory: the load ends where it stands, as if its file could not be read.
}
