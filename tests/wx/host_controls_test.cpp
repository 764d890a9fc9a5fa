// The host's control operations on real wx controls, seen through the
// console's opening state on the simulated board.
#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/gauge.h>

#include "platform/wx/wx_host.hpp"
#include "sim/simulator.hpp"
#include "ui/resource.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace {

class OpenDialog {
public:
  explicit OpenDialog(const std::vector<std::string>& settings)
      : simulator(settings, sim::TimeMode::Virtual), recorder(simulator.clock()),
        dialog(host, simulator.catalog(), recorder) {
    found = dialog.FindDevice();
    if (found)
      host.Create(dialog);
  }
  sim::Simulator simulator;
  ks::Recorder recorder;
  dlg::WxHost host;
  CVeltaEditorDlg dialog;
  bool found = false;
};

TEST(WxHostOpening, ListsSelectionsAndBoxesComeFromTheBoard) {
  OpenDialog open({"gpio.26=1", "gpio.57=1", "chanbeam=81", "reg.42=300"});
  ASSERT_TRUE(open.found);
  dlg::WxHost& host = open.host;
  const struct {
    int id;
    int count;
    int selection;
    std::string text;
  } combos[] = {
      {IDC_LTC2633_COMMAND, 8, 0, "0. Write to input register X"},
      {IDC_LTC2633_DAC, 3, 2, "2. X = All DACs"},
      {IDC_PCA9537_REG, 4, 0, "0. Input Port"},
      {IDC_AT24C64_CHIP, 8, 7, "7"},
      {IDC_MULTI_BEAM, 4, 0, "0"},
      {IDC_AFE_CHANNEL, 128, 1, "2"},
      {IDC_BEAM_INDEX, 512, 1, "2"},
      {IDC_RF_SOURCE, 4, 3, "Source 11"},
  };
  for (const auto& c : combos) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(host.GetCount(c.id), c.count);
    EXPECT_EQ(host.GetCurSel(c.id), c.selection);
    EXPECT_EQ(host.GetWindowText(c.id), c.text);
  }
  EXPECT_EQ(host.GetLBText(IDC_BEAM_INDEX, 511), "512");
  EXPECT_EQ(host.GetCheck(IDC_POWER_ON), 1);
  EXPECT_EQ(host.GetCheck(IDC_I2C_ENABLE), 0);
  EXPECT_EQ(host.GetCheck(IDC_GPIO57), 1);
  EXPECT_TRUE(host.IsWindowEnabled(IDC_RF_SOURCE));
  EXPECT_EQ(host.GetWindowText(IDC_PROGRESS_TEXT), "0 %");
  EXPECT_EQ(host.GetWindowText(IDC_READ_CD_BEAMS), "Read CD Beams: ???");
  EXPECT_EQ(host.GetPos(IDC_PROGRESS), 0);
}

TEST(WxHostOpening, WithoutFpgaSupportRfSourceIsDisabledAtSource00) {
  OpenDialog open({"fpga-support=none", "reg.42=300"});
  ASSERT_TRUE(open.found);
  EXPECT_EQ(open.host.GetCurSel(IDC_RF_SOURCE), 0);
  EXPECT_FALSE(open.host.IsWindowEnabled(IDC_RF_SOURCE));
}

// The host contract's rule holds for the user's typing too (tests/support/host_contract.hpp
// has the rest).
TEST(WxHostCombo, TypingIntoAnEditableComboLeavesNoSelection) {
  OpenDialog open({});
  dlg::WxHost& host = open.host;
  auto* combo = dynamic_cast<wxComboBox*>(host.Control(IDC_LTC2633_DAC));
  ASSERT_NE(combo, nullptr);
  combo->SetValue("1f");
  EXPECT_EQ(host.GetCurSel(IDC_LTC2633_DAC), -1);
  EXPECT_EQ(host.GetWindowText(IDC_LTC2633_DAC), "1f");
}

TEST(WxHostProgress, PositionsAreClampedToTheRangeWithItsLowerBound) {
  OpenDialog open({});
  dlg::WxHost& host = open.host;
  host.SetRange(IDC_PROGRESS, 10, 60);
  EXPECT_EQ(host.SetPos(IDC_PROGRESS, 35), 10);
  EXPECT_EQ(host.GetPos(IDC_PROGRESS), 35);
  auto* gauge = dynamic_cast<wxGauge*>(host.Control(IDC_PROGRESS));
  ASSERT_NE(gauge, nullptr);
  EXPECT_EQ(gauge->GetRange(), 50);
  EXPECT_EQ(gauge->GetValue(), 25);
  EXPECT_EQ(host.SetPos(IDC_PROGRESS, 99), 35);
  EXPECT_EQ(host.GetPos(IDC_PROGRESS), 60);
  host.UpdateWindow(IDC_PROGRESS);
  EXPECT_EQ(host.GetPos(IDC_PROGRESS), 60);
}

TEST(WxHostText, ButtonsAndLabelsReturnWhatWasSet) {
  OpenDialog open({});
  dlg::WxHost& host = open.host;
  host.SetWindowText(IDC_READ_CD_BEAMS, "Read CD Beams: 12");
  EXPECT_EQ(host.GetWindowText(IDC_READ_CD_BEAMS), "Read CD Beams: 12");
  host.SetWindowText(IDC_FILE_NAME, "/tmp/a&b.bin");
  EXPECT_EQ(host.GetWindowText(IDC_FILE_NAME), "/tmp/a&b.bin");
  host.SetWindowText(IDC_FPGA_READ_REG, "1f");
  EXPECT_EQ(host.GetWindowText(IDC_FPGA_READ_REG), "1f");
  EXPECT_EQ(host.GetWindowText(dlg::IDOK), "OK");
  EXPECT_THROW(host.GetWindowText(4242), std::out_of_range);
}

TEST(WxHostIcon, TheRegisteredBundleBecomesTheWindowIcons) {
  OpenDialog open({});
  EXPECT_TRUE(open.host.Window()->GetIcons().IsEmpty());
  wxIconBundle icons;
  wxIcon icon;
  icon.CopyFromBitmap(wxBitmap(16, 16));
  icons.AddIcon(icon);
  open.host.RegisterIcon(IDR_MAINFRAME, icons);
  open.host.SetIcon(IDR_MAINFRAME, true);
  EXPECT_EQ(open.host.Window()->GetIcons().GetIconCount(), 1u);
}

} // namespace
