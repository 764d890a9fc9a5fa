// The recorder's script of a session: the fields the user changed before each
// action, not those the dialog filled; a file dialog's answer before the action
// that opened it; each line in the output as soon as it happens; nothing for a
// command of no control's.
#include "ui/script_recorder.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/dialog/cdialog.hpp"
#include "platform/headless/headless_host.hpp"
#include "ui/dialog_template.hpp"

namespace {

using N = dlg::Notification;

TEST(ScriptRecorder, WritesWhatTheUserDidInAnOrderThatReplays) {
  dlg::HeadlessHost host;
  CDialog dialog(kVeltaEditorTemplate, host);
  host.Open(dialog);
  host.SetWindowText(1072, "dialog's own");
  std::ostringstream out;
  ui::ScriptRecorder recorder(out);
  recorder.Opened(host, kVeltaEditorTemplate);

  host.Type(1001, "1f");
  host.Type(1015, "typed");
  recorder.Acting(1004, N::Clicked);
  EXPECT_EQ(out.str(),
            "set 1001 1f\nset 1015 typed\nclick 1004 # EMC2101 (IIC addr: 0x4C) - Read\n");
  host.SetWindowText(1002, "00"); // the read's answer
  recorder.Acted();

  host.SetCheck(1021, 1);
  recorder.Acting(1021, N::Clicked);
  recorder.Acted();
  host.Type(1001, "");
  recorder.Acting(0x7F00, N::Clicked); // a command the program posted itself
  recorder.Acted();
  recorder.Acting(1075, N::Clicked);
  recorder.FileAnswered(std::nullopt);
  recorder.Acted();
  recorder.Acting(1075, N::Clicked);
  recorder.FileAnswered("/data/a b.txt");
  recorder.Acted();
  for (const char* entry : {"1", "2", "3", "4"})
    host.AddString(1060, entry);
  host.SetCurSel(1060, 3);
  recorder.Acting(1060, N::SelChange);
  recorder.Acted();

  EXPECT_EQ(out.str(), "set 1001 1f\n"
                       "set 1015 typed\n"
                       "click 1004 # EMC2101 (IIC addr: 0x4C) - Read\n"
                       "check 1021 1 # GPIO 45\n"
                       "set 1001 ''\n"
                       "file -\n"
                       "click 1075 # EP1OUT write. - TFC Load...\n"
                       "file '/data/a b.txt'\n"
                       "click 1075 # EP1OUT write. - TFC Load...\n"
                       "select 1060 3 # Multi Beam\n");
}

} // namespace
