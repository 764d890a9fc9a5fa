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

// A program without a console of its own (the windowed console) writes its
// standard output and error to the console it was started from, if any.
void AttachParentConsole();

} // namespace win
