#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "sim/board.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

class ChipsTest : public ::testing::Test {
protected:
  bool Write(std::uint16_t address, Bytes bytes) { return board.I2cWrite(address, bytes); }
  Bytes Read(std::uint16_t address, std::size_t n) {
    Bytes out(n, 0xAA);
    EXPECT_TRUE(board.I2cRead(address, out));
    return out;
  }

  sim::Board board;
};

TEST_F(ChipsTest, AbsentAddressIsNotAcknowledged) {
  EXPECT_FALSE(Write(0x21, {0x00}));
  Bytes out(1, 0x77);
  EXPECT_FALSE(board.I2cRead(0x21, out));
  EXPECT_EQ(out[0], 0x77);
}

TEST_F(ChipsTest, Emc2101PointerAndReadOnlyIds) {
  EXPECT_TRUE(Write(0x4C, {0x0B, 0x42}));
  EXPECT_EQ(board.emc2101().Register(0x0B), 0x42);
  EXPECT_TRUE(Write(0x4C, {0xFD, 0x00}));
  EXPECT_TRUE(Write(0x4C, {0xFE, 0x00}));
  EXPECT_EQ(board.emc2101().Register(0xFD), 0x16);
  EXPECT_EQ(board.emc2101().Register(0xFE), 0x5D);
  EXPECT_TRUE(Write(0x4C, {0xFE}));
  EXPECT_EQ(Read(0x4C, 1), Bytes{0x5D});
  EXPECT_TRUE(Write(0x4C, {0x0B}));
  EXPECT_EQ(Read(0x4C, 1), Bytes{0x42});
  EXPECT_EQ(board.emc2101().Register(0x0C), 0x00);
}

TEST_F(ChipsTest, Pca9535PowerOnDefaults) {
  const std::array<std::uint8_t, 8> expected = {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF};
  for (std::uint8_t r = 0; r < 8; ++r)
    EXPECT_EQ(board.pca9535().Register(r), expected[r]) << int(r);
}

TEST_F(ChipsTest, Pca9535PointerAlternatesWithinItsPair) {
  // Three data bytes from register 2: 2, 3, then back to 2.
  EXPECT_TRUE(Write(0x20, {0x02, 0x11, 0x22, 0x33}));
  EXPECT_EQ(board.pca9535().Register(2), 0x33);
  EXPECT_EQ(board.pca9535().Register(3), 0x22);
  EXPECT_EQ(board.pca9535().Register(4), 0x00);
  EXPECT_TRUE(Write(0x20, {0x07}));
  board.pca9535().SetRegister(6, 0x0F);
  EXPECT_EQ(Read(0x20, 3), (Bytes{0xFF, 0x0F, 0xFF}));
}

TEST_F(ChipsTest, Pca9535InputsFollowPinsPolarityAndOutputs) {
  auto& chip = board.pca9535();
  chip.SetPins(0, 0xA5);
  EXPECT_TRUE(Write(0x20, {0x04, 0x0F}));       // invert the low nibble of port 0
  EXPECT_TRUE(Write(0x20, {0x00, 0x12, 0x34})); // input ports refuse writes
  EXPECT_EQ(chip.Register(0), 0xAA);
  EXPECT_EQ(chip.Register(1), 0xFF);
  EXPECT_TRUE(Write(0x20, {0x06, 0xF0})); // low nibble of port 0 now outputs
  EXPECT_TRUE(Write(0x20, {0x02, 0x03})); // driving 0b0011
  EXPECT_EQ(chip.Register(0), 0xA3);
}

TEST_F(ChipsTest, Pca9537InputRegisterRefusesWrites) {
  EXPECT_TRUE(Write(0x49, {0x00, 0x05}));
  EXPECT_EQ(board.pca9537().Register(0), 0xFF);
  board.pca9537().SetPins(0x00);
  EXPECT_TRUE(Write(0x49, {0x00}));
  EXPECT_EQ(Read(0x49, 1), Bytes{0xF0});
}

TEST_F(ChipsTest, Pca9537HasNoAutoIncrement) {
  EXPECT_TRUE(Write(0x49, {0x01, 0x11, 0x22}));
  EXPECT_EQ(board.pca9537().Register(1), 0x22);
  EXPECT_EQ(board.pca9537().Register(2), 0x00);
  EXPECT_EQ(board.pca9537().Register(3), 0xFF);
  EXPECT_TRUE(Write(0x49, {0x03}));
  EXPECT_EQ(Read(0x49, 2), (Bytes{0xFF, 0xFF}));
}

struct DacCase {
  const char* name;
  std::vector<Bytes> commands;
  sim::Ltc2633::Channel a, b;
  sim::Ltc2633::Reference reference = sim::Ltc2633::Reference::Internal;
};

class Ltc2633Test : public ChipsTest, public ::testing::WithParamInterface<DacCase> {};

TEST_P(Ltc2633Test, Command) {
  for (const Bytes& command : GetParam().commands)
    EXPECT_TRUE(Write(0x10, command));
  EXPECT_EQ(board.ltc2633().Dac(0), GetParam().a);
  EXPECT_EQ(board.ltc2633().Dac(1), GetParam().b);
  EXPECT_EQ(board.ltc2633().reference(), GetParam().reference);
}

using Ref = sim::Ltc2633::Reference;
INSTANTIATE_TEST_SUITE_P(
    Commands, Ltc2633Test,
    ::testing::Values(
        DacCase{"WriteInputA", {{0x00, 0x80, 0}}, {0x80, 0, false}, {}},
        DacCase{"WriteInputB", {{0x01, 0x80, 0}}, {}, {0x80, 0, false}},
        DacCase{"UpdateA", {{0x00, 0x40, 0}, {0x10, 0x99, 0}}, {0x40, 0x40, false}, {}},
        DacCase{"WriteUpdateAll",
                {{0x00, 0x11, 0}, {0x21, 0x22, 0}},
                {0x11, 0x11, false},
                {0x22, 0x22, false}},
        DacCase{"WriteAndUpdateB", {{0x31, 0x7F, 0}}, {}, {0x7F, 0x7F, false}},
        DacCase{"AllByTwo", {{0x32, 0x33, 0}}, {0x33, 0x33, false}, {0x33, 0x33, false}},
        DacCase{"AllByF", {{0x3F, 0x44, 0}}, {0x44, 0x44, false}, {0x44, 0x44, false}},
        DacCase{"PowerDownA", {{0x40, 0x00, 0}}, {0, 0, true}, {}},
        DacCase{"UpdatePowersUp", {{0x4F, 0, 0}, {0x10, 0, 0}}, {0, 0, false}, {0, 0, true}},
        DacCase{"PowerDownChip", {{0x50, 0, 0}}, {0, 0, true}, {0, 0, true}},
        DacCase{"External", {{0x70, 0, 0}}, {}, {}, Ref::External},
        DacCase{"BackToInternal", {{0x70, 0, 0}, {0x60, 0, 0}}, {}, {}, Ref::Internal},
        DacCase{"UnknownCommandIgnored", {{0x80, 0x55, 0}, {0xF0, 0x55, 0}}, {}, {}},
        DacCase{"UnknownAddressIgnored", {{0x33, 0x55, 0}, {0x0E, 0x55, 0}}, {}, {}},
        DacCase{"ShortCommandIgnored", {{0x30, 0x55}}, {}, {}},
        DacCase{
            "TwoCommandsInOne", {{0x30, 0x01, 0, 0x31, 0x02, 0}}, {1, 1, false}, {2, 2, false}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ChipsTest, Ltc2633RefusesReads) {
  Bytes out(2, 0x5A);
  EXPECT_FALSE(board.I2cRead(0x10, out));
  EXPECT_EQ(out, (Bytes{0x5A, 0x5A}));
}

TEST_F(ChipsTest, EepromErasedAndAddressedHighByteFirst) {
  EXPECT_EQ(board.eeprom(3).Byte(0x1234), 0xFF);
  EXPECT_TRUE(Write(0x53, {0x12, 0x34, 0xAB}));
  EXPECT_EQ(board.eeprom(3).Byte(0x1234), 0xAB);
  EXPECT_EQ(board.eeprom(3).Byte(0x3412), 0xFF);
  EXPECT_EQ(board.eeprom(0).Byte(0x1234), 0xFF);
}

TEST_F(ChipsTest, EepromPageWriteWrapsInsideThePage) {
  // From 0x003E, four bytes: 0x3E, 0x3F, then back to the page start 0x20.
  EXPECT_TRUE(Write(0x50, {0x00, 0x3E, 1, 2, 3, 4}));
  auto& rom = board.eeprom(0);
  EXPECT_EQ(rom.Byte(0x3E), 1);
  EXPECT_EQ(rom.Byte(0x3F), 2);
  EXPECT_EQ(rom.Byte(0x20), 3);
  EXPECT_EQ(rom.Byte(0x21), 4);
  EXPECT_EQ(rom.Byte(0x40), 0xFF);
}

TEST_F(ChipsTest, EepromSequentialReadCrossesPagesAndWraps) {
  auto& rom = board.eeprom(7);
  rom.SetByte(0x1F, 0x11);
  rom.SetByte(0x20, 0x22);
  EXPECT_TRUE(Write(0x57, {0x00, 0x1F}));
  EXPECT_EQ(Read(0x57, 2), (Bytes{0x11, 0x22}));
  EXPECT_EQ(Read(0x57, 1), Bytes{0xFF}); // continues at 0x21
  rom.SetByte(0xFFFF, 0x33);
  rom.SetByte(0x0000, 0x44);
  EXPECT_TRUE(Write(0x57, {0xFF, 0xFF}));
  EXPECT_EQ(Read(0x57, 2), (Bytes{0x33, 0x44}));
}

TEST_F(ChipsTest, EepromAddressOnlyWriteChangesNoData) {
  EXPECT_TRUE(Write(0x50, {0x01, 0x00}));
  EXPECT_EQ(board.eeprom(0).Pointer(), 0x0100);
  for (std::uint32_t a = 0x00F0; a < 0x0110; ++a)
    EXPECT_EQ(board.eeprom(0).Byte(static_cast<std::uint16_t>(a)), 0xFF);
}

TEST_F(ChipsTest, GpioAndUart) {
  EXPECT_EQ(board.Gpio(63), 0);
  EXPECT_TRUE(board.SetGpio(63, 7));
  EXPECT_EQ(board.Gpio(63), 7);
  EXPECT_FALSE(board.SetGpio(64, 1));
  EXPECT_FALSE(board.Gpio(64).has_value());

  board.UartWrite(Bytes{1, 2, 3});
  Bytes two(2);
  EXPECT_TRUE(board.UartRead(two));
  EXPECT_EQ(two, (Bytes{1, 2}));
  Bytes more(2, 9);
  EXPECT_FALSE(board.UartRead(more));
  EXPECT_EQ(more, (Bytes{9, 9}));
  EXPECT_EQ(board.UartQueue(), Bytes{3});
}

TEST_F(ChipsTest, ResetRestoresPowerOn) {
  board.fpga().Write(5, 1);
  board.eeprom(0).SetByte(0, 0);
  board.SetGpio(1, 1);
  board.set_channelBeam(9);
  board.ltc2633().set_reference(sim::Ltc2633::Reference::External);
  board.Reset();
  EXPECT_EQ(board.fpga().Register(5), 0);
  EXPECT_EQ(board.eeprom(0).Byte(0), 0xFF);
  EXPECT_EQ(board.Gpio(1), 0);
  EXPECT_EQ(board.channelBeam(), 0u);
  EXPECT_EQ(board.ltc2633().reference(), sim::Ltc2633::Reference::Internal);
}

} // namespace
