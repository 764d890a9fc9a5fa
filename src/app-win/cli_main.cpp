// velta-cli.exe: the dialog without a window, on the attached device through
// DirectShow, or on the simulated board with --sim.
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <iostream>
#include <string>
#include <vector>

#include "cli/app.hpp"
#include "platform/windows/app_runtime.hpp"
#include "platform/windows/directshow_catalog.hpp"
#include "platform/windows/pacing_clock.hpp"

int main(int argc, char** argv) {
  // Output byte for byte as on other platforms: no CR before each LF.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);

  win::SystemRuntime runtime;
  runtime.CoInitialize();
  int status = 0;
  {
    const auto catalog = win::MakeDirectShowCatalog();
    win::SystemSleepClock systemSleep;
    win::FineTimerClock clock(systemSleep);
    status = cli::RunCli(args,
                         {std::cin, std::cout, std::cerr, _isatty(_fileno(stdin)) != 0,
                          _isatty(_fileno(stderr)) != 0},
                         {catalog.get(), &clock});
  }
  // The control channel went with the dialog inside RunCli.
  runtime.CoUninitialize();
  return status;
}
