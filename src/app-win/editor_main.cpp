// velta-editor.exe: the console as a native Windows dialog, bound to the
// attached device through DirectShow, or to the simulated board with --sim.
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app-win/editor_options.hpp"
#include "app-win/velta_editor_app.hpp"
#include "platform/files/open_file.hpp"
#include "platform/windows/app_runtime.hpp"
#include "platform/windows/directshow_catalog.hpp"
#include "platform/windows/pacing_clock.hpp"
#include "platform/windows/win32_host.hpp"
#include "sim/simulator.hpp"

namespace {

constexpr const char* kProgram = "velta-editor";

int UsageError(const std::string& message) {
  win::AttachParentConsole();
  std::cerr << kProgram << ": " << message << "\n\n" << EditorUsage(kProgram);
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  win::StartWindowedProgram();
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedEditorOptions parsed = ParseEditorOptions(args);
  switch (parsed.action) {
  case ParsedEditorOptions::Action::Help:
    win::AttachParentConsole();
    std::cout << EditorUsage(kProgram);
    return 0;
  case ParsedEditorOptions::Action::Version:
    win::AttachParentConsole();
    std::cout << kProgram << " " << VELTA_VERSION << "\n";
    return 0;
  case ParsedEditorOptions::Action::Error:
    return UsageError(parsed.error);
  case ParsedEditorOptions::Action::Run:
    break;
  }
  const EditorOptions& options = parsed.options;

  std::unique_ptr<sim::Simulator> simulator;
  std::unique_ptr<ks::DeviceCatalog> deviceCatalog;
  win::SystemSleepClock systemSleep;
  std::unique_ptr<win::FineTimerClock> pacing;
  std::ofstream traceFile;
  if (options.sim) {
    try {
      simulator = std::make_unique<sim::Simulator>(
          options.simSettings, options.virtualTime ? sim::TimeMode::Virtual : sim::TimeMode::Real);
    } catch (const std::invalid_argument& error) {
      return UsageError(error.what());
    }
    simulator->trace().set_keepEvents(false);
    if (options.trace) {
      if (!options.traceFile.empty()) {
        traceFile.open(files::PathOf(options.traceFile.c_str()),
                       std::ios::out | std::ios::trunc | std::ios::binary);
        if (!traceFile) {
          win::AttachParentConsole();
          std::cerr << kProgram << ": cannot write the trace to '" << options.traceFile << "'\n";
          return 1;
        }
      } else {
        win::AttachParentConsole();
      }
      simulator->trace().StreamTo(options.traceFile.empty() ? &std::cerr : &traceFile);
    }
    pacing = std::make_unique<win::FineTimerClock>(simulator->clock());
  } else {
    deviceCatalog = win::MakeDirectShowCatalog();
    pacing = std::make_unique<win::FineTimerClock>(systemSleep);
  }
  ks::DeviceCatalog& catalog = simulator ? simulator->catalog() : *deviceCatalog;
  ks::Clock& clock = (simulator && options.virtualTime) ? simulator->clock() : *pacing;

  win::SystemRuntime runtime;
  win::Win32Host host;
  CVeltaEditorApp app(runtime, host, catalog, clock);
  app.InitInstance();
  const int status = app.ExitInstance();

  if (simulator)
    simulator->trace().StreamTo(nullptr);
  return status;
}
