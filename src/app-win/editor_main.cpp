// velta-editor.exe: the console as a native Windows dialog, bound to the
// attached device through DirectShow, or to the simulated board with --sim.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app-win/velta_editor_app.hpp"
#include "platform/files/open_file.hpp"
#include "platform/windows/app_runtime.hpp"
#include "platform/windows/directshow_catalog.hpp"
#include "platform/windows/pacing_clock.hpp"
#include "platform/windows/win32_host.hpp"
#include "startup/editor_start.hpp"

int main(int argc, char** argv) {
  win::StartWindowedProgram();
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto catalog = win::MakeDirectShowCatalog();
  win::SystemSleepClock systemSleep;
  win::FineTimerClock pacing(systemSleep);
  return startup::StartEditor(
      args, {catalog.get(), &pacing}, {std::cout, std::cerr, win::AttachParentConsole},
      [](startup::Backend& backend, dlg::ActionObserver* actions) {
        win::SystemRuntime runtime;
        win::Win32Host host;
        host.ObserveActions(actions);
        CVeltaEditorApp app(runtime, host, backend.catalog(), backend.recorder());
        app.InitInstance();
        return app.ExitInstance();
      });
}
