// The modal dialog ends with OK on Enter and with Cancel on Esc, the keys
// arriving as the window system delivers them.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/uiaction.h>

#include "platform/wx/wx_host.hpp"
#include "ui/dialog_template.hpp"

namespace {

// Runs the dialog modally; once it is up, the key goes to the control that
// has the focus (0: the first tab stop, as the dialog opens).
int RunAndPress(int keyCode, int focusId = 0) {
  dlg::WxHost host;
  CDialog dialog(kVeltaEditorTemplate, host);
  wxTheApp->CallAfter([&host, keyCode, focusId] {
    wxDialog* window = host.Window();
    window->Raise();
    if (focusId != 0)
      host.Control(focusId)->SetFocus();
    wxUIActionSimulator keys;
    keys.MouseMove(window->GetScreenRect().GetTopLeft() + wxPoint(20, 20));
    keys.Char(keyCode);
  });
  return host.RunModal(dialog);
}

// One test, so that no other test's window takes the keys: the keys go
// through the display, which parallel test programs share.
TEST(ModalKeys, EnterEndsWithOkAndEscWithCancel) {
  const struct {
    const char* what;
    int key;
    int focusId;
    int result;
  } cases[] = {
      {"Enter", WXK_RETURN, 0, dlg::IDOK},
      {"Esc", WXK_ESCAPE, 0, dlg::IDCANCEL},
      {"Enter in an edit field", WXK_RETURN, 1001, dlg::IDOK},
      {"Esc in a combo box", WXK_ESCAPE, 1015, dlg::IDCANCEL},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RunAndPress(c.key, c.focusId), c.result) << c.what;
}

} // namespace
