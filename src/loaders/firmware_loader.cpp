#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::OnBnClickedLoadFirmware() {
  if (!HasChannel())
    return;
}
