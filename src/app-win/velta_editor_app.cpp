#include "app-win/velta_editor_app.hpp"

#include "startup/run_main_dialog.hpp"

bool CVeltaEditorApp::InitInstance() {
  m_runtime.InitCommonControls();
  m_runtime.CoInitialize();
  RunMainDialog(m_host, m_catalog, m_recorder);
  return false;
}

int CVeltaEditorApp::ExitInstance() {
  m_runtime.CoUninitialize();
  return 0;
}
