// The application object: brings up the window system, runs the main dialog
// once, and ends. It never runs a message loop of its own.
#pragma once

#include <wx/app.h>

#include "sim/simulator.hpp"

class CVeltaEditorApp : public wxApp {
public:
  explicit CVeltaEditorApp(sim::Simulator& simulator) : m_simulator(simulator) {}

  // Runs InitInstance; its false means "no message loop", not failure.
  bool OnInit() override { return InitInstance(); }
  int OnExit() override { return ExitInstance(); }

  bool InitInstance();
  int ExitInstance();

private:
  sim::Simulator& m_simulator; // catalog and clock of the simulated board
};
