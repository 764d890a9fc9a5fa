#include <gtest/gtest.h>

#include "sim/fpga.hpp"

namespace {

TEST(FpgaTest, PlainRegistersStartAtZero) {
  sim::Fpga fpga;
  EXPECT_EQ(fpga.Read(0x7FFF), 0);
  fpga.Write(0x7FFF, 0xBEEF);
  EXPECT_EQ(fpga.Read(0x7FFF), 0xBEEF);
  EXPECT_EQ(fpga.Read(0x7FFE), 0);
}

TEST(FpgaTest, WindowPagesIntoTheBankOfRegister4) {
  sim::Fpga fpga;
  fpga.Write(4, 0x0302); // only the low byte selects
  fpga.Write(0x8001, 0x1111);
  fpga.Write(4, 0x0003);
  fpga.Write(0x8001, 0x3333);
  EXPECT_EQ(fpga.BankWord(2, 1), 0x1111);
  EXPECT_EQ(fpga.BankWord(3, 1), 0x3333);
  EXPECT_EQ(fpga.Read(0x8001), 0x3333);
  fpga.Write(4, 2);
  EXPECT_EQ(fpga.Read(0x8001), 0x1111);
  fpga.Write(0xFFFF, 0x7777);
  EXPECT_EQ(fpga.BankWord(2, 0x7FFF), 0x7777);
}

TEST(FpgaTest, BanksAreAllocatedWhenFirstWritten) {
  sim::Fpga fpga;
  EXPECT_EQ(fpga.AllocatedBanks(), 0u);
  fpga.Write(4, 200);
  EXPECT_EQ(fpga.Read(0x9000), 0);
  EXPECT_FALSE(fpga.BankAllocated(200));
  fpga.Write(0x9000, 5);
  EXPECT_TRUE(fpga.BankAllocated(200));
  EXPECT_EQ(fpga.AllocatedBanks(), 1u);
  fpga.Reset();
  EXPECT_EQ(fpga.AllocatedBanks(), 0u);
}

TEST(FpgaTest, PresetAboveWindowBaseUsesTheCurrentBank) {
  sim::Fpga fpga;
  fpga.PresetRegister(4, 9);
  fpga.PresetRegister(0x8010, 0xABCD);
  EXPECT_EQ(fpga.BankWord(9, 0x10), 0xABCD);
}

void Stage(sim::Fpga& fpga, std::uint16_t seed) {
  for (std::uint16_t i = 0; i < sim::Fpga::kTfcBlockWords; ++i)
    fpga.Write(static_cast<std::uint16_t>(sim::Fpga::kTfcStagingBase + i),
               static_cast<std::uint16_t>(seed + i));
}

TEST(FpgaTest, TfcCommitsOnARisingEdgeOfBit15) {
  sim::Fpga fpga;
  Stage(fpga, 100);
  fpga.Write(7, 0x0025); // block 0x25 & 0x1F = 5; no commit yet
  EXPECT_EQ(fpga.TfcWord(5, 0), 0);
  fpga.Write(7, 0x8025);
  EXPECT_EQ(fpga.TfcWord(5, 0), 100);
  EXPECT_EQ(fpga.TfcWord(5, 511), 611);
  EXPECT_EQ(fpga.TfcWord(4, 0), 0);
  EXPECT_EQ(fpga.Read(7), 0x8025);
}

TEST(FpgaTest, TfcDoesNotCommitOnALevelOrAFallingEdge) {
  sim::Fpga fpga;
  fpga.Write(7, 0x8001);
  Stage(fpga, 1);
  fpga.Write(7, 0x8001); // level
  EXPECT_EQ(fpga.TfcWord(1, 0), 0);
  fpga.Write(7, 0x0001); // falling
  EXPECT_EQ(fpga.TfcWord(1, 0), 0);
  fpga.Write(7, 0x8101); // rising; the block comes from the low byte only
  EXPECT_EQ(fpga.TfcWord(1, 0), 1);
}

TEST(FpgaTest, TfcPresetOfRegister7DoesNotCommit) {
  sim::Fpga fpga;
  Stage(fpga, 1);
  fpga.PresetRegister(7, 0x8000);
  EXPECT_EQ(fpga.TfcWord(0, 0), 0);
}

TEST(FpgaTest, ApodizationMemoryIsPlainWords) {
  sim::Fpga fpga;
  fpga.Write(0x4000, 1);
  fpga.Write(0x5FFF, 2);
  EXPECT_EQ(fpga.ApodWord(0), 1);
  EXPECT_EQ(fpga.ApodWord(0x1FFF), 2);
  fpga.SetApodWord(3, 9);
  EXPECT_EQ(fpga.Read(0x4003), 9);
}

} // namespace
