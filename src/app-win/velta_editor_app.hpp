// The application object on Windows: brings up the common controls and COM,
// runs the main dialog once and takes COM down after the dialog object, with
// the control channel it holds, is gone. It never runs a message loop of its
// own outside the modal dialog.
#pragma once

#include "platform/dialog/dialog_host.hpp"
#include "platform/ks/catalog.hpp"
#include "platform/ks/recorder.hpp"
#include "platform/windows/app_runtime.hpp"

class CVeltaEditorApp {
public:
  CVeltaEditorApp(win::AppRuntime& runtime, dlg::DialogHost& host, ks::DeviceCatalog& catalog,
                  ks::Recorder& recorder)
      : m_runtime(runtime), m_host(host), m_catalog(catalog), m_recorder(recorder) {}

  // Always false: there is no message loop to run afterwards.
  bool InitInstance();
  // The process exit code.
  int ExitInstance();

private:
  win::AppRuntime& m_runtime;
  dlg::DialogHost& m_host;
  ks::DeviceCatalog& m_catalog;
  ks::Recorder& m_recorder;
};
