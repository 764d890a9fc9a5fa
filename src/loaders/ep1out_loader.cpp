#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::OnBnClickedEp1outFileLoad() {
  if (!HasChannel())
    return;
}
