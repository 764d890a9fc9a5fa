#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::OnBnClickedAfeTableFileLoad() {
  if (!HasChannel())
    return;
}
