// velta-editor: the shared start-up picks the simulated board, then the
// application object runs the console once.
#include <iostream>
#include <string>
#include <vector>

#include <wx/init.h>

#include "app/velta_editor_app.hpp"
#include "startup/editor_start.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto run = [&](startup::Backend& backend, dlg::ActionObserver* actions) {
    // OnInit returning false would end the process with a failure status
    // through wxEntry; here start-up and exit run without a main loop instead.
    wxApp::SetInstance(new CVeltaEditorApp(backend, actions));
    if (!wxEntryStart(argc, argv)) {
      std::cerr << "velta-editor: cannot open the display\n";
      return 1;
    }
    wxTheApp->CallOnInit();
    const int status = wxTheApp->OnExit();
    wxEntryCleanup();
    return status;
  };
  return startup::StartEditor(args, {}, {std::cout, std::cerr, {}}, run);
}
