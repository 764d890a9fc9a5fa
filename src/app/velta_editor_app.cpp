#include "app/velta_editor_app.hpp"

#include "app/app_icon.hpp"
#include "platform/wx/wx_host.hpp"
#include "startup/run_main_dialog.hpp"
#include "ui/resource.hpp"

bool CVeltaEditorApp::InitInstance() {
  // Common controls and COM need no initialisation here: wx brings up the
  // toolkit before OnInit, and the device is reached without COM.
  dlg::WxHost host;
  host.RegisterIcon(IDR_MAINFRAME, LoadAppIcon());
  host.ObserveActions(m_actions);
  RunMainDialog(host, m_backend.catalog(), m_backend.recorder());
  return false;
}

int CVeltaEditorApp::ExitInstance() {
  return wxApp::OnExit();
}
