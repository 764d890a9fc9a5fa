#include <new>

#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::ChooseTableFile(void (CVeltaEditorDlg::*send)(const char*)) try {
  const auto path = Host().ChooseFile(
      dlg::FileDialogOptions{"Text Files (*.txt)|*.txt|All Files (*.*)|*.*||", "txt", 0});
  if (!path)
    return;
  CWaitCursor wait(Host());
  (this->*send)(path->c_str());
} catch (const std::bad_alloc&) {
  // Out of memory: the load ends where it stands, as if its file could not be read.
}
