#include <gtest/gtest.h>

#include "support/case_names.hpp"
#include "support/console_fixture.hpp"
#include "ui/dialog_template.hpp"

namespace {

using support::Console;
using support::FpgaGet;
using support::GpioGet;
using support::Request;
using support::ShortGet;

TEST(Opening, SendsNineRequestsInOrder) {
  Console console;
  ASSERT_TRUE(console.dialog->FindDevice());
  console.TakeRequests();
  console.host.Open(*console.dialog);
  const std::vector<Request> expected = {
      GpioGet(26), GpioGet(27), GpioGet(45), GpioGet(50),   GpioGet(51),
      GpioGet(52), GpioGet(57), ShortGet(3), FpgaGet(0x42),
  };
  EXPECT_EQ(console.TakeRequests(), expected);
}

TEST(Opening, WithoutDeviceReadyNoRfSourceRead) {
  Console console({"fpga-support=get", "reg.42=0300"});
  ASSERT_TRUE(console.dialog->FindDevice());
  console.TakeRequests();
  console.host.Open(*console.dialog);
  const auto requests = console.TakeRequests();
  ASSERT_EQ(requests.size(), 8u);
  EXPECT_EQ(requests.back(), ShortGet(3));
  EXPECT_EQ(console.host.GetCurSel(IDC_RF_SOURCE), 0);
  EXPECT_EQ(console.Text(IDC_RF_SOURCE), "Source 00");
  EXPECT_FALSE(console.host.IsWindowEnabled(IDC_RF_SOURCE));
}

struct SelectionCase {
  const char* setting;
  int channel;
  int beam;
  int source;
};

class OpeningSelections : public testing::TestWithParam<SelectionCase> {};

TEST_P(OpeningSelections, ReadFromBoard) {
  const auto& c = GetParam();
  Console console({c.setting});
  ASSERT_TRUE(console.Open());
  EXPECT_EQ(console.host.GetCurSel(IDC_AFE_CHANNEL), c.channel);
  EXPECT_EQ(console.host.GetCurSel(IDC_BEAM_INDEX), c.beam);
  EXPECT_EQ(console.host.GetCurSel(IDC_RF_SOURCE), c.source);
  EXPECT_TRUE(console.host.IsWindowEnabled(IDC_RF_SOURCE));
}

INSTANTIATE_TEST_SUITE_P(Board, OpeningSelections,
                         testing::Values(SelectionCase{"chanbeam=ffff", 127, 511, 0},
                                         SelectionCase{"chanbeam=81", 1, 1, 0},
                                         SelectionCase{"chanbeam=0", 0, 0, 0},
                                         SelectionCase{"reg.42=0300", 0, 0, 3},
                                         SelectionCase{"reg.42=fcff", 0, 0, 0},
                                         SelectionCase{"reg.42=0100", 0, 0, 1},
                                         SelectionCase{"fail=chanbeam-get", 0, 0, 0},
                                         SelectionCase{"fail=fpga-get:42", 0, 0, 0}),
                         support::NamedBy([](const SelectionCase& c) { return c.setting; }));

TEST(Opening, ChannelAndBeamShowOneBased) {
  Console console({"chanbeam=ffff"});
  ASSERT_TRUE(console.Open());
  EXPECT_EQ(console.Text(IDC_AFE_CHANNEL), "128");
  EXPECT_EQ(console.Text(IDC_BEAM_INDEX), "512");
}

TEST(Opening, GpioBoxesShowLineLevels) {
  Console console({"gpio.26=1", "gpio.57=1", "gpio.45=0"});
  ASSERT_TRUE(console.Open());
  EXPECT_EQ(console.host.GetCheck(IDC_POWER_ON), 1);
  EXPECT_EQ(console.host.GetCheck(IDC_GPIO57), 1);
  EXPECT_EQ(console.host.GetCheck(IDC_GPIO45), 0);
  EXPECT_EQ(console.host.GetCheck(IDC_I2C_ENABLE), 0);
}

TEST(Opening, FailingGpioGetShowsClear) {
  // The first seven calls after the two probes are the GPIO reads.
  Console console({"gpio.26=1", "fail=call:3"});
  ASSERT_TRUE(console.Open());
  EXPECT_EQ(console.host.GetCheck(IDC_POWER_ON), 0);
}

TEST(Opening, ListsAndStartState) {
  Console console;
  ASSERT_TRUE(console.Open());
  const auto& host = console.host;
  EXPECT_EQ(
      host.State(IDC_LTC2633_COMMAND).items,
      (std::vector<std::string>{"0. Write to input register X", "1. Update DAC X",
                                "2. Write to input register X, update all DACs",
                                "3. Write to input register and update all DACs", "4. Power down X",
                                "5. Power down chip", "6. Select internal reference",
                                "7. Select external reference"}));
  EXPECT_EQ(host.State(IDC_LTC2633_DAC).items,
            (std::vector<std::string>{"0. X = DAC A", "1. X = DAC B", "2. X = All DACs"}));
  EXPECT_EQ(host.GetCurSel(IDC_LTC2633_COMMAND), 0);
  EXPECT_EQ(host.GetCurSel(IDC_LTC2633_DAC), 2);
  EXPECT_EQ(host.State(IDC_PCA9537_REG).items,
            (std::vector<std::string>{"0. Input Port", "1. Output Port", "2. Polarity Inversion",
                                      "3. Configuration"}));
  EXPECT_EQ(host.GetCurSel(IDC_PCA9537_REG), 0);
  EXPECT_EQ(host.State(IDC_AT24C64_CHIP).items,
            (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(host.GetCurSel(IDC_AT24C64_CHIP), 7);
  EXPECT_EQ(host.State(IDC_MULTI_BEAM).items, (std::vector<std::string>{"0", "1", "2", "3"}));
  EXPECT_EQ(host.GetCurSel(IDC_MULTI_BEAM), 0);
  ASSERT_EQ(host.GetCount(IDC_AFE_CHANNEL), 128);
  ASSERT_EQ(host.GetCount(IDC_BEAM_INDEX), 512);
  for (int i = 0; i < 512; ++i)
    ASSERT_EQ(host.GetLBText(IDC_BEAM_INDEX, i), std::to_string(i + 1));
  EXPECT_EQ(host.GetLBText(IDC_AFE_CHANNEL, 127), "128");
  EXPECT_EQ(host.State(IDC_RF_SOURCE).items,
            (std::vector<std::string>{"Source 00", "Source 01", "Source 10", "Source 11"}));
  EXPECT_EQ(host.State(IDC_PROGRESS).rangeUpper, 100);
  EXPECT_EQ(host.GetPos(IDC_PROGRESS), 0);
  EXPECT_EQ(console.Text(IDC_PROGRESS_TEXT), "0 %");
  EXPECT_EQ(console.Text(IDC_READ_CD_BEAMS), "Read CD Beams: ???");
  EXPECT_EQ(console.Text(IDC_FPGA_READ_REG), "");
  EXPECT_EQ(host.largeIcon(), IDR_MAINFRAME);
  EXPECT_EQ(host.smallIcon(), IDR_MAINFRAME);
  for (int id = IDC_TEST_BIT15; id <= IDC_TEST_BIT0; ++id)
    EXPECT_EQ(host.GetCheck(id), 0);
}

TEST(Opening, NoBoardNoDialog) {
  Console console({"boards=0"});
  EXPECT_FALSE(console.Open());
  EXPECT_TRUE(console.TakeRequests().empty());
}

TEST(Opening, OkAndCancelEndTheDialog) {
  for (int id : {dlg::IDOK, dlg::IDCANCEL}) {
    Console console;
    ASSERT_TRUE(console.Open());
    console.host.Click(id);
    EXPECT_FALSE(console.host.IsOpen());
    EXPECT_EQ(console.host.Result(), id);
  }
}

TEST(Template, EveryRoutedControlExistsWithItsKind) {
  for (const auto& entry : CVeltaEditorDlg::MessageMap()) {
    const auto* control = kVeltaEditorTemplate.Find(entry.id);
    ASSERT_NE(control, nullptr) << entry.id;
    const auto expected =
        entry.code == dlg::Notification::SelChange ? dlg::ControlKind::ComboBox : control->kind;
    EXPECT_EQ(control->kind, expected) << entry.id;
    EXPECT_NE(control->kind, dlg::ControlKind::Static) << entry.id;
  }
}

} // namespace
