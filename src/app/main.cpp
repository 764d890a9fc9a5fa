// velta-editor: parses the options, sets up the simulated board, then lets
// the application object run the console once.
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <wx/init.h>

#include "app/app_options.hpp"
#include "app/velta_editor_app.hpp"
#include "sim/config.hpp"
#include "sim/simulator.hpp"

namespace {

constexpr const char* kProgram = "velta-editor";

int UsageError(const std::string& message) {
  std::cerr << kProgram << ": " << message << "\n\n" << Usage(kProgram);
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedOptions parsed = ParseOptions(args);
  switch (parsed.action) {
  case ParsedOptions::Action::Help:
    std::cout << Usage(kProgram) << '\n' << sim::kSettingsHelp;
    return 0;
  case ParsedOptions::Action::Version:
    std::cout << kProgram << " " << VELTA_VERSION << "\n";
    return 0;
  case ParsedOptions::Action::Error:
    return UsageError(parsed.error);
  case ParsedOptions::Action::Run:
    break;
  }
  const AppOptions& options = parsed.options;

  std::unique_ptr<sim::Simulator> simulator;
  try {
    simulator = std::make_unique<sim::Simulator>(
        options.simSettings, options.virtualTime ? sim::TimeMode::Virtual : sim::TimeMode::Real);
  } catch (const std::invalid_argument& error) {
    return UsageError(error.what());
  }

  // The console runs for as long as the user likes: the trace is streamed, not kept.
  simulator->trace().set_keepEvents(false);
  std::ofstream traceFile;
  if (options.trace) {
    if (!options.traceFile.empty()) {
      traceFile.open(options.traceFile, std::ios::out | std::ios::trunc);
      if (!traceFile) {
        std::cerr << kProgram << ": cannot write the trace to '" << options.traceFile << "'\n";
        return 1;
      }
    }
    simulator->trace().StreamTo(options.traceFile.empty() ? &std::cerr : &traceFile);
  }

  // OnInit returning false would end the process with a failure status through
  // wxEntry; here start-up and exit run without a main loop instead.
  wxApp::SetInstance(new CVeltaEditorApp(*simulator));
  if (!wxEntryStart(argc, argv)) {
    std::cerr << kProgram << ": cannot open the display\n";
    return 1;
  }
  wxTheApp->CallOnInit();
  const int status = wxTheApp->OnExit();
  wxEntryCleanup();

  simulator->trace().StreamTo(nullptr);
  return status;
}
