#include "startup/run_main_dialog.hpp"

#include "ui/velta_editor_dlg.hpp"

void RunMainDialog(dlg::DialogHost& host, ks::DeviceCatalog& catalog, ks::Recorder& recorder) {
  // No parent window; constructing it creates no window yet. Leaving this
  // scope destroys it and releases the control channel.
  CVeltaEditorDlg dlg(host, catalog, recorder);

  host.BeginWaitCursor();
  const bool found = dlg.FindDevice();
  host.EndWaitCursor();

  if (!found) {
    // The sentence is the title and the device name the text, as shown.
    host.MessageBox("Velta Device", "No device found", dlg::MB_ICONERROR);
    return;
  }
  // The modal result (OK or Cancel) changes nothing.
  dlg.DoModal();
}
