#include "app/velta_editor_app.hpp"

#include "app/app_icon.hpp"
#include "app/run_main_dialog.hpp"
#include "platform/wx/wx_host.hpp"
#include "ui/resource.hpp"

bool CVeltaEditorApp::InitInstance() {
  // Common controls and COM need no initialisation here: wx brings up the
  // toolkit before OnInit, and the device is reached without COM.
  dlg::WxHost host;
  host.RegisterIcon(IDR_MAINFRAME, LoadAppIcon());
  RunMainDialog(host, m_simulator.catalog(), m_simulator.clock());
  return false;
}

int CVeltaEditorApp::ExitInstance() {
  return wxApp::OnExit();
}
