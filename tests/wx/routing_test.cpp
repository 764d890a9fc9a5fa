// Every message-map entry is reachable from its real control: the wx event a
// click or selection raises arrives at the dialog and runs the handler.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>

#include "recording_host.hpp"
#include "sim/simulator.hpp"
#include "ui/resource.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace {

// The console's dialog, noting each notification and whether its map handled it.
class ProbeDialog : public CVeltaEditorDlg {
public:
  using CVeltaEditorDlg::CVeltaEditorDlg;
  struct Routed {
    int id;
    dlg::Notification code;
    bool handled;
  };
  std::vector<Routed> routed;

protected:
  bool RouteCommand(int id, dlg::Notification code) override {
    const bool handled = CVeltaEditorDlg::RouteCommand(id, code);
    routed.push_back({id, code, handled});
    return handled;
  }
};

// What the window system does for a user's click or pick on the control.
void Raise(wxWindow* control, dlg::Notification code) {
  if (code == dlg::Notification::SelChange) {
    auto* combo = dynamic_cast<wxComboBox*>(control);
    ASSERT_NE(combo, nullptr);
    combo->SetSelection(1);
    wxCommandEvent event(wxEVT_COMBOBOX, combo->GetId());
    event.SetInt(1);
    event.SetString(combo->GetString(1));
    event.SetEventObject(combo);
    combo->ProcessWindowEvent(event);
  } else if (auto* box = dynamic_cast<wxCheckBox*>(control)) {
    box->SetValue(!box->GetValue()); // an auto check box toggles before it notifies
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetInt(box->GetValue() ? 1 : 0);
    event.SetEventObject(box);
    box->ProcessWindowEvent(event);
  } else {
    wxCommandEvent event(wxEVT_BUTTON, control->GetId());
    event.SetEventObject(control);
    control->ProcessWindowEvent(event);
  }
}

class RoutingTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.FindDevice());
    host.Create(dialog);
  }
  sim::Simulator simulator{{}, sim::TimeMode::Virtual};
  ks::Recorder recorder{simulator.clock()};
  RecordingWxHost host;
  ProbeDialog dialog{host, simulator.catalog(), recorder};
};

TEST_F(RoutingTest, EveryMapEntryReachesItsHandlerFromTheRealControl) {
  const auto map = CVeltaEditorDlg::MessageMap();
  ASSERT_FALSE(map.empty());
  for (const auto& entry : map) {
    SCOPED_TRACE(entry.id);
    dialog.routed.clear();
    wxWindow* control = host.Control(entry.id);
    ASSERT_NE(control, nullptr);
    Raise(control, entry.code);
    ASSERT_EQ(dialog.routed.size(), 1u);
    EXPECT_EQ(dialog.routed[0].id, entry.id);
    EXPECT_EQ(dialog.routed[0].code, entry.code);
    EXPECT_TRUE(dialog.routed[0].handled);
  }
  EXPECT_FALSE(host.Result().has_value()); // none of them ends the dialog
}

TEST_F(RoutingTest, AutoCheckBoxClickSetsItsGpioLine) {
  ASSERT_EQ(simulator.board().Gpio(26), std::optional<std::uint8_t>(0));
  Raise(host.Control(IDC_POWER_ON), dlg::Notification::Clicked);
  EXPECT_EQ(simulator.board().Gpio(26), std::optional<std::uint8_t>(1));
  Raise(host.Control(IDC_POWER_ON), dlg::Notification::Clicked);
  EXPECT_EQ(simulator.board().Gpio(26), std::optional<std::uint8_t>(0));
}

TEST_F(RoutingTest, MultiBeamPickSetsTheMultiBeamProperty) {
  Raise(host.Control(IDC_MULTI_BEAM), dlg::Notification::SelChange);
  EXPECT_EQ(simulator.board().multiBeam(), 1u);
}

TEST_F(RoutingTest, LoaderButtonsOpenTheFileDialog) {
  for (int id : {IDC_LOAD_FIRMWARE, IDC_EP1OUT_FILE_LOAD, IDC_APOD_FILTER_LOAD, IDC_LOGARITHM_LOAD,
                 IDC_TFC_LOAD, IDC_AFE_TABLE_FILE_LOAD}) {
    SCOPED_TRACE(id);
    host.events.clear();
    Raise(host.Control(id), dlg::Notification::Clicked);
    EXPECT_EQ(host.events, std::vector<std::string>{"file"});
  }
}

TEST_F(RoutingTest, TestBitBoxesHaveNoHandlerOfTheirOwn) {
  Raise(host.Control(IDC_TEST_BIT15), dlg::Notification::Clicked);
  ASSERT_EQ(dialog.routed.size(), 1u);
  EXPECT_FALSE(dialog.routed[0].handled);
  EXPECT_EQ(host.GetCheck(IDC_TEST_BIT15), 1);
}

TEST_F(RoutingTest, OkAndCancelEndTheDialogThroughTheirButtons) {
  Raise(host.Control(dlg::IDCANCEL), dlg::Notification::Clicked);
  EXPECT_EQ(host.Result(), std::optional<int>(dlg::IDCANCEL));
  Raise(host.Control(dlg::IDOK), dlg::Notification::Clicked);
  EXPECT_EQ(host.Result(), std::optional<int>(dlg::IDOK));
}

} // namespace
