#include <gtest/gtest.h>

#include <functional>

#include "support/console_fixture.hpp"

namespace {

using namespace support;

using Case = ActionCase;

class BoardPanel : public testing::TestWithParam<Case> {};

TEST_P(BoardPanel, SendsExactRequests) {
  CheckAction(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Emc2101AndPca9535, BoardPanel,
    testing::Values(
        Case{"Emc2101Write",
             {},
             Fill({{1001, "2a"}, {1002, "0x1F"}}, 1003),
             {I2cWrite(0x4C, {0x2A, 0x1F})},
             {}},
        Case{"Emc2101WriteHighBitsDropped",
             {},
             Fill({{1001, "1A5"}, {1002, "1ff"}}, 1003),
             {I2cWrite(0x4C, {0xA5, 0xFF})},
             {}},
        Case{"Emc2101WriteEmptyData", {}, Fill({{1001, "2a"}, {1002, ""}}, 1003), {}, {}},
        Case{"Emc2101WriteNegativeReg", {}, Fill({{1001, "-3"}, {1002, "1"}}, 1003), {}, {}},
        Case{"Emc2101WriteTopBitReg", {}, Fill({{1001, "80000000"}, {1002, "1"}}, 1003), {}, {}},
        Case{"Emc2101WriteTrailingText",
             {},
             Fill({{1001, "12zz"}, {1002, "3"}}, 1003),
             {I2cWrite(0x4C, {0x12, 0x03})},
             {}},
        Case{"Emc2101ReadId",
             {},
             Fill({{1001, "fd"}, {1002, "keep"}}, 1004),
             {I2cWrite(0x4C, {0xFD}), I2cRead(0x4C, {0xFF})},
             {{1002, "16"}}},
        Case{"Emc2101ReadNoChip",
             {"i2c-absent=4c"},
             Fill({{1001, "0"}}, 1004),
             {I2cWrite(0x4C, {0x00}), I2cRead(0x4C, {0xFF})},
             {{1002, "ff"}}},
        Case{"Emc2101ReadBadReg",
             {},
             Fill({{1001, "zz"}, {1002, "keep"}}, 1004),
             {},
             {{1002, "keep"}}},
        Case{"Pca9535Write", {}, Fill({{1005, "1ff02"}}, 1006), {I2cWrite(0x20, {0x02, 0xFF})}, {}},
        Case{
            "Pca9535WriteSmall", {}, Fill({{1005, "7"}}, 1006), {I2cWrite(0x20, {0x07, 0x00})}, {}},
        Case{"Pca9535WriteEmpty", {}, Fill({{1005, ""}}, 1006), {}, {}},
        Case{"Pca9535ReadDefaults",
             {},
             Fill({}, 1007),
             {I2cWrite(0x20, {0x00}), I2cRead(0x20, {0xAA}), I2cWrite(0x20, {0x01}),
              I2cRead(0x20, {0x55})},
             {{1005, "ffff"}}},
        Case{"Pca9535ReadNoAnswer",
             {"i2c-absent=20"},
             Fill({}, 1007),
             {I2cWrite(0x20, {0x00}), I2cRead(0x20, {0xAA}), I2cWrite(0x20, {0x01}),
              I2cRead(0x20, {0x55})},
             {{1005, "55aa"}}}),
    [](const testing::TestParamInfo<Case>& p) { return p.param.name; });

// Selects entries, types, clicks.
std::function<void(Console&)> Compose(int command, int dac, std::string code) {
  return [=](Console& c) {
    if (command != -2)
      c.host.SetCurSel(1015, command);
    if (dac != -2)
      c.host.SetCurSel(1016, dac);
    c.host.Type(1017, code);
    c.host.Click(1018);
  };
}

INSTANTIATE_TEST_SUITE_P(
    Ltc2633, BoardPanel,
    testing::Values(
        Case{
            "StartSelections", {}, Compose(-2, -2, "80"), {I2cWrite(0x10, {0x02, 0x80, 0x00})}, {}},
        Case{"ExternalRefDacB", {}, Compose(7, 1, ""), {I2cWrite(0x10, {0x71, 0x00, 0x00})}, {}},
        Case{"CodeClampedHigh", {}, Compose(3, 0, "100"), {I2cWrite(0x10, {0x30, 0xFF, 0x00})}, {}},
        Case{"CodeClampedLow", {}, Compose(3, 0, "-5"), {I2cWrite(0x10, {0x30, 0x00, 0x00})}, {}},
        Case{
            "NoCommandSelected", {}, Compose(-1, 0, "1"), {I2cWrite(0x10, {0xF0, 0x01, 0x00})}, {}},
        Case{"NoDacSelected", {}, Compose(1, -1, "1"), {I2cWrite(0x10, {0x1F, 0x01, 0x00})}, {}}),
    [](const testing::TestParamInfo<Case>& p) { return p.param.name; });

std::function<void(Console&)> Pick(int combo, int index,
                                   std::vector<std::pair<int, std::string>> fields, int click) {
  return [=](Console& c) {
    c.host.SetCurSel(combo, index);
    for (const auto& [id, text] : fields)
      c.host.Type(id, text);
    c.host.Click(click);
  };
}

INSTANTIATE_TEST_SUITE_P(
    Pca9537AndEeprom, BoardPanel,
    testing::Values(
        Case{"Pca9537WriteConfig",
             {},
             Pick(1029, 3, {{1026, "f0"}}, 1027),
             {I2cWrite(0x49, {0x03, 0xF0})},
             {}},
        Case{"Pca9537WriteEmptyData", {}, Pick(1029, 1, {{1026, ""}}, 1027), {}, {}},
        Case{"Pca9537WriteNoRegister", {}, Pick(1029, -1, {{1026, "1"}}, 1027), {}, {}},
        Case{"Pca9537ReadInput",
             {},
             Pick(1029, 0, {}, 1028),
             {I2cWrite(0x49, {0x00}), I2cRead(0x49, {0xFF})},
             {{1026, "ff"}}},
        Case{"Pca9537ReadOutputAfterWrite",
             {},
             Pick(1029, 2, {{1026, "5"}}, 1027),
             {I2cWrite(0x49, {0x02, 0x05})},
             {}},
        Case{"At24c64Write",
             {},
             Pick(1030, 7, {{1031, "1234"}, {1032, "5a"}}, 1033),
             {I2cWrite(0x57, {0x12, 0x34, 0x5A})},
             {}},
        Case{"At24c64WriteWideValues",
             {},
             Pick(1030, 0, {{1031, "12345"}, {1032, "1a5"}}, 1033),
             {I2cWrite(0x50, {0x23, 0x45, 0xA5})},
             {}},
        Case{"At24c64WriteNoChip", {}, Pick(1030, -1, {{1031, "1"}, {1032, "1"}}, 1033), {}, {}},
        Case{"At24c64WriteNoData", {}, Pick(1030, 1, {{1031, "1"}, {1032, "-1"}}, 1033), {}, {}},
        Case{"At24c64Read",
             {"eeprom.0.1fff=c3"},
             Pick(1030, 0, {{1031, "1fff"}}, 1034),
             {I2cWrite(0x50, {0x1F, 0xFF}), I2cRead(0x50, {0xFF})},
             {{1032, "c3"}}},
        Case{"At24c64ReadNoChip",
             {"i2c-absent=52"},
             Pick(1030, 2, {{1031, "0"}}, 1034),
             {I2cWrite(0x52, {0x00, 0x00}), I2cRead(0x52, {0xFF})},
             {{1032, "ff"}}}),
    [](const testing::TestParamInfo<Case>& p) { return p.param.name; });

std::function<void(Console&)> Tick(int box, int state) {
  return [=](Console& c) { c.host.SetCheckAndClick(box, state); };
}

INSTANTIATE_TEST_SUITE_P(
    GpioAndUart, BoardPanel,
    testing::Values(
        Case{"PowerOn", {}, Tick(1019, 1), {GpioSet(26, 1)}, {}},
        Case{"PowerOff", {"gpio.26=1"}, Tick(1019, 0), {GpioSet(26, 0)}, {}},
        Case{"I2cEnable", {}, Tick(1020, 1), {GpioSet(27, 1)}, {}},
        Case{"Gpio45", {}, Tick(1021, 1), {GpioSet(45, 1)}, {}},
        Case{"Gpio50", {}, Tick(1036, 1), {GpioSet(50, 1)}, {}},
        Case{"Gpio51", {}, Tick(1037, 1), {GpioSet(51, 1)}, {}},
        Case{"Gpio52", {}, Tick(1038, 1), {GpioSet(52, 1)}, {}},
        Case{"Gpio57", {}, Tick(1039, 1), {GpioSet(57, 1)}, {}},
        Case{"UartWrite", {}, Fill({{1042, "41"}}, 1040), {UartWrite(0x41)}, {}},
        Case{"UartWriteWide", {}, Fill({{1042, "1A5"}}, 1040), {UartWrite(0xA5)}, {}},
        Case{"UartWriteNegative", {}, Fill({{1042, "-1"}}, 1040), {}, {}},
        Case{"UartRead", {"uart=0d"}, Fill({}, 1041), {UartRead()}, {{1042, "d"}}},
        Case{"UartReadEmpty", {}, Fill({{1042, "77"}}, 1041), {UartRead()}, {{1042, "ff"}}}),
    [](const testing::TestParamInfo<Case>& p) { return p.param.name; });

TEST(BoardPanelState, Pca9537InputRegisterRefused) {
  for (const char* data : {"5", ""}) {
    Console console;
    ASSERT_TRUE(console.Open());
    console.TakeRequests();
    console.host.Type(1026, data);
    console.host.Click(1027);
    EXPECT_TRUE(console.TakeRequests().empty());
    ASSERT_EQ(console.host.messageBoxes().size(), 1u);
    const auto& box = console.host.messageBoxes()[0];
    EXPECT_EQ(box.text, "Can't write to input register");
    EXPECT_EQ(box.caption, "PCA9537 WRITE ERROR");
    EXPECT_EQ(box.type, dlg::MB_ICONERROR);
  }
}

TEST(BoardPanelState, EepromByteRoundTrips) {
  Console console;
  ASSERT_TRUE(console.Open());
  console.host.SetCurSel(1030, 3);
  console.host.Type(1031, "0abc");
  console.host.Type(1032, "7e");
  console.host.Click(1033);
  EXPECT_EQ(console.sim.board().eeprom(3).Byte(0x0abc), 0x7e);
  console.host.Type(1032, "");
  console.host.Click(1034);
  EXPECT_EQ(console.Text(1032), "7e");
}

TEST(BoardPanelState, GpioFailureKeepsBoxTicked) {
  Console console({"fail=call:12"}); // two probes, nine opening reads, then the set
  ASSERT_TRUE(console.Open());
  console.host.SetCheckAndClick(1019, 1);
  EXPECT_EQ(console.host.GetCheck(1019), 1);
  EXPECT_EQ(console.sim.board().Gpio(26), std::optional<std::uint8_t>(0));
}

TEST(BoardPanelState, Pca9535ReadShowsRegisters) {
  Console console;
  ASSERT_TRUE(console.Open());
  console.sim.board().pca9535().SetPins(0, 0x0F);
  console.sim.board().pca9535().SetPins(1, 0x00);
  console.host.Click(1007);
  EXPECT_EQ(console.Text(1005), "f");
}

} // namespace
