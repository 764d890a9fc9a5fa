#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::ChooseTableFile(void (CVeltaEditorDlg::*send)(const char*)) {
  const auto path = Host().ChooseFile(
      dlg::FileDialogOptions{"Text Files (*.txt)|*.txt|All Files (*.*)|*.*||", "txt", 0});
  if (!path)
    return;
  CWaitCursor wait(Host());
  (this->*send)(path->c_str());
}
