#include "platform/windows/app_runtime.hpp"

// Windows headers last (see windows_api.hpp).
#include "platform/windows/windows_api.hpp"

namespace win {

void SystemRuntime::InitCommonControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = 8;
  controls.dwICC = 0xFF;
  InitCommonControlsEx(&controls);
}

void SystemRuntime::CoInitialize() {
  ::CoInitialize(nullptr);
}

void SystemRuntime::CoUninitialize() {
  ::CoUninitialize();
}

} // namespace win

#include <cstdio>

namespace win {

namespace {

BOOL WINAPI IgnoreControlEvent(DWORD event) {
  // A closing console may still end the processes attached to it once this
  // returns; one that has left it first is no longer among them.
  if (event == CTRL_CLOSE_EVENT)
    FreeConsole();
  return TRUE;
}

} // namespace

void StartWindowedProgram() {
  SetConsoleCtrlHandler(IgnoreControlEvent, TRUE);
  DisableProcessWindowsGhosting();
}

void AttachParentConsole() {
  // Streams that already go somewhere (a pipe, a file) stay where they are.
  const bool outFree = GetStdHandle(STD_OUTPUT_HANDLE) == nullptr;
  const bool errFree = GetStdHandle(STD_ERROR_HANDLE) == nullptr;
  if ((!outFree && !errFree) || !AttachConsole(ATTACH_PARENT_PROCESS))
    return;
  if (outFree)
    std::freopen("CONOUT$", "w", stdout);
  if (errFree)
    std::freopen("CONOUT$", "w", stderr);
}

} // namespace win
