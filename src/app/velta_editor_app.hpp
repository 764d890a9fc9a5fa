// The application object: brings up the window system, runs the main dialog
// once, and ends. It never runs a message loop of its own.
#pragma once

#include <wx/app.h>

#include "platform/dialog/action_observer.hpp"
#include "startup/backend.hpp"

class CVeltaEditorApp : public wxApp {
public:
  CVeltaEditorApp(startup::Backend& backend, dlg::ActionObserver* actions)
      : m_backend(backend), m_actions(actions) {}

  // Runs InitInstance; its false means "no message loop", not failure.
  bool OnInit() override { return InitInstance(); }
  int OnExit() override { return ExitInstance(); }

  bool InitInstance();
  int ExitInstance();

private:
  startup::Backend& m_backend;    // the device catalog and the recorder
  dlg::ActionObserver* m_actions; // the user's actions are recorded to; null: none
};
