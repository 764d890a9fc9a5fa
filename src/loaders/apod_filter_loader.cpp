#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::OnBnClickedApodFilterLoad() { ChooseTableFile(&CVeltaEditorDlg::SendApodFilterFile); }

void CVeltaEditorDlg::SendApodFilterFile(const char* path) {
  if (path == nullptr || !HasChannel())
    return;
}
