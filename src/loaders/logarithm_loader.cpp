#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::OnBnClickedLogarithmLoad() { ChooseTableFile(&CVeltaEditorDlg::SendLogarithmFile); }

void CVeltaEditorDlg::SendLogarithmFile(const char* path) {
  if (path == nullptr || !HasChannel())
    return;
}
