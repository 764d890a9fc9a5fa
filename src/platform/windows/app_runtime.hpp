// The user-interface runtimes an application brings up on its thread before
// any window or device: the common controls and a single-threaded COM
// apartment. Replaceable for tests, which check the order of the calls.
#pragma once

namespace win {

class AppRuntime {
public:
  virtual ~AppRuntime() = default;
  // INITCOMMONCONTROLSEX of size 8 with every class of mask 0xFF; the result
  // does not matter, as a missing class shows when its control is created.
  virtual void InitCommonControls() = 0;
  // COM in a single-threaded apartment; if it fails, discovery finds nothing.
  virtual void CoInitialize() = 0;
  virtual void CoUninitialize() = 0;
};

class SystemRuntime : public AppRuntime {
public:
  void InitCommonControls() override;
  void CoInitialize() override;
  void CoUninitialize() override;
};

} // namespace win

namespace win {

// The windowed console is started from a console window as often as from
// the desktop, and is tied to neither: a load runs for minutes on the
// interface thread, and nothing but the user's own "OK" or "Cancel" may end it.
//
// Console control events (Ctrl+C, Ctrl+Break, closing the console window)
// do not end the program, and a window that is busy in a load is not replaced
// by a "(Not Responding)" ghost offering to close it. Call first thing.
void StartWindowedProgram();

// Standard output and error that go nowhere are written to the console the
// program was started from, if any. Only for what the program prints there:
// the help, the version, a usage error and a trace to standard error.
void AttachParentConsole();

} // namespace win
