#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "sim/config.hpp"
#include "sim/simulator.hpp"
#include "support/case_names.hpp"

namespace {

struct BadSetting {
  const char* setting;
  const char* mentions;
};

class ConfigErrorTest : public ::testing::TestWithParam<BadSetting> {};

TEST_P(ConfigErrorTest, NamesTheBadKeyOrValue) {
  sim::CatalogOptions catalog;
  sim::Board board;
  sim::Faults faults;
  sim::Setup setup{catalog, board, faults};
  const auto error = sim::ApplySetting(GetParam().setting, setup);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find(GetParam().mentions), std::string::npos) << *error;
  EXPECT_THROW(sim::Simulator({GetParam().setting}), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ConfigErrorTest,
    ::testing::Values(
        BadSetting{"boards", "boards"}, BadSetting{"boards=x", "x"}, BadSetting{"boards=-1", "-1"},
        BadSetting{"boards=17", "17"}, BadSetting{"pid=12345", "12345"}, BadSetting{"pid=", "pid"},
        BadSetting{"device-support=maybe", "maybe"}, BadSetting{"fpga-support=GETSET", "GETSET"},
        BadSetting{"reg.10000=1", "reg.10000"}, BadSetting{"reg.10=10000", "10000"},
        BadSetting{"reg.zz=1", "reg.zz"}, BadSetting{"gpio.64=1", "gpio.64"},
        BadSetting{"gpio.1=100", "100"}, BadSetting{"gpio.0x1=1", "gpio.0x1"},
        BadSetting{"chanbeam=1g", "1g"}, BadSetting{"uart=abc", "abc"}, BadSetting{"uart=", "uart"},
        BadSetting{"i2c-absent=80", "80"}, BadSetting{"eeprom.8.0=00", "eeprom.8.0"},
        BadSetting{"eeprom.0=00", "eeprom.0"}, BadSetting{"eeprom.0.FFFF=0000", "0000"},
        BadSetting{"fail=call:0", "call:0"}, BadSetting{"fail=call", "call"},
        BadSetting{"fail=bogus", "bogus"}, BadSetting{"fail=pairs:x", "pairs:x"},
        BadSetting{"fail=fpga-get:", "fpga-get"},
        BadSetting{"fail=chanbeam-get:1", "chanbeam-get:1"},
        BadSetting{"fail=fpga-get:1f:0x1", "fpga-get:1f:0x1"},
        BadSetting{"fail=call:2:0x80070079:1", "call:2:0x80070079:1"},
        BadSetting{"bind-fail=0", "0"}, BadSetting{"no-control=a", "a"},
        BadSetting{"nonsense=1", "nonsense"}, BadSetting{"foo.bar=1", "foo.bar"}),
    support::NamedBy([](const BadSetting& c) { return c.setting; }));

TEST(ConfigTest, PresetsTheBoardInOrder) {
  sim::Simulator s({"reg.4=3", "reg.8000=55", "reg.0x41=0xBEEF", "gpio.26=1", "chanbeam=1234",
                    "uart=0x4142", "eeprom.2.1000=abCD", "reg.4=0"});
  auto& fpga = s.board().fpga();
  EXPECT_EQ(fpga.BankWord(3, 0), 0x55);
  EXPECT_EQ(fpga.Register(0x41), 0xBEEF);
  EXPECT_EQ(fpga.Register(4), 0);
  EXPECT_EQ(s.board().Gpio(26), 1);
  EXPECT_EQ(s.board().channelBeam(), 0x1234u);
  EXPECT_EQ(s.board().UartQueue(), (std::vector<std::uint8_t>{0x41, 0x42}));
  EXPECT_EQ(s.board().eeprom(2).Byte(0x1000), 0xAB);
  EXPECT_EQ(s.board().eeprom(2).Byte(0x1001), 0xCD);
  EXPECT_EQ(s.board().eeprom(0).Byte(0x1000), 0xFF);
}

TEST(ConfigTest, CatalogAndFaultSettings) {
  sim::CatalogOptions catalog;
  sim::Board board;
  sim::Faults faults;
  sim::Setup setup{catalog, board, faults};
  for (const char* setting :
       {"boards=3", "pid=344d", "device-support=short", "fpga-support=set", "bind-fail=2",
        "no-control=3", "fail=fpga-get:0x42", "fail=fpga-set:7", "i2c-absent=0x50"})
    EXPECT_FALSE(sim::ApplySetting(setting, setup).has_value()) << setting;
  EXPECT_EQ(catalog.boards, 3);
  EXPECT_EQ(catalog.productId, 0x344D);
  EXPECT_EQ(catalog.probes.deviceSet, sim::ProbeAnswer::Short);
  EXPECT_EQ(catalog.probes.fpgaSet, sim::ProbeAnswer::SetOnly);
  EXPECT_EQ(catalog.bindFail, 2);
  EXPECT_EQ(catalog.noControl, 3);
  EXPECT_TRUE(faults.FpgaGetFails(0x42));
  EXPECT_TRUE(faults.FpgaSetFails(7));
  EXPECT_FALSE(faults.FpgaSetFails(0x42));
  EXPECT_TRUE(faults.I2cAbsent(0x50));
}

} // namespace
