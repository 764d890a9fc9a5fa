#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::OnBnClickedTfcLoad() { ChooseTableFile(&CVeltaEditorDlg::SendTfcFile); }

void CVeltaEditorDlg::SendTfcFile(const char* path) {
  if (path == nullptr || !HasChannel())
    return;
}
