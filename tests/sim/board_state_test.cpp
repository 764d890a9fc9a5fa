// Every kind of state write moves the board's write count and makes it differ
// from a board fresh from power-on; a reset makes the two alike again. The
// decoder's fuzz target relies on both to prove a refused record wrote nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "sim/board.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct StateWrite {
  const char* name;
  std::function<void(sim::Board&)> write;
};

// Each leaves state a later request can see: a register, a pointer, a queue.
const StateWrite kWrites[] = {
    {"fpga_register", [](sim::Board& b) { b.fpga().Write(5, 1); }},
    {"fpga_bank", [](sim::Board& b) { b.fpga().Write(0x8001, 0); }},
    {"tfc_commit",
     [](sim::Board& b) {
       b.fpga().Write(sim::Fpga::kTfcStagingBase, 7);
       b.fpga().Write(sim::Fpga::kTfcControlRegister, sim::Fpga::kTfcCommitBit | 3);
       b.fpga().Write(sim::Fpga::kTfcStagingBase, 0);
       b.fpga().Write(sim::Fpga::kTfcControlRegister, 0);
     }},
    {"emc2101_pointer", [](sim::Board& b) { b.I2cWrite(sim::Emc2101::kAddress, Bytes{0x20}); }},
    {"pca9535_pointer_read",
     [](sim::Board& b) {
       Bytes out(1);
       b.I2cRead(sim::Pca9535::kAddress, out);
     }},
    {"pca9537_output",
     [](sim::Board& b) {
       b.I2cWrite(sim::Pca9537::kAddress, Bytes{1, 0});
     }},
    {"ltc2633_half_command",
     [](sim::Board& b) { b.I2cWrite(sim::Ltc2633::kAddress, Bytes{0x30}); }},
    {"eeprom_read_pointer",
     [](sim::Board& b) {
       Bytes out(3);
       b.I2cRead(sim::Eeprom::kFirstAddress + 7, out);
     }},
    {"eeprom_byte",
     [](sim::Board& b) {
       b.I2cWrite(sim::Eeprom::kFirstAddress, Bytes{0, 0, 5});
     }},
    {"gpio", [](sim::Board& b) { b.SetGpio(3, 1); }},
    {"uart", [](sim::Board& b) { b.UartWrite(Bytes{1}); }},
    {"multi_beam", [](sim::Board& b) { b.set_multiBeam(2); }},
};

class BoardState : public ::testing::TestWithParam<StateWrite> {};

TEST_P(BoardState, WriteIsCountedAndSeenAndResetUndoesIt) {
  const sim::Board fresh;
  sim::Board board;
  const std::uint64_t before = board.writes();
  GetParam().write(board);
  EXPECT_GT(board.writes(), before);
  EXPECT_FALSE(board == fresh);
  board.Reset();
  EXPECT_TRUE(board == fresh);
}

std::string NameOf(const ::testing::TestParamInfo<StateWrite>& write) {
  return write.param.name;
}

INSTANTIATE_TEST_SUITE_P(Writes, BoardState, ::testing::ValuesIn(kWrites), NameOf);

TEST(BoardStateTest, ReadsThatMoveNothingAreNotWrites) {
  sim::Board board;
  const std::uint64_t before = board.writes();
  EXPECT_EQ(board.fpga().Read(0x8001), 0);
  EXPECT_EQ(board.Gpio(3), 0);
  Bytes out(1);
  EXPECT_FALSE(board.UartRead(out));
  EXPECT_EQ(board.writes(), before);
}

} // namespace
