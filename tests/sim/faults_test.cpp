#include <vector>

#include "sim_fixture.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;
using FaultsTest = BoundBoard;

TEST_F(FaultsTest, NthCallCountsDiscoveryProbes) {
  Bind({"fail=call:3"}); // calls 1 and 2 are the probes
  const std::uint16_t value = 1;
  EXPECT_EQ(link.WriteFpgaRegister(0x10, &value), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(board().fpga().Register(0x10), 0);
  EXPECT_EQ(link.WriteFpgaRegister(0x10, &value), ks::S_OK);
  EXPECT_EQ(board().fpga().Register(0x10), 1);
}

TEST_F(FaultsTest, FailingTheFirstCallLosesTheDevice) {
  sim::Simulator s({"fail=call:1"});
  DeviceLink other;
  EXPECT_FALSE(other.FindDevice(s.catalog()));
}

TEST_F(FaultsTest, FpgaGetOfOneRegister) {
  Bind({"fail=fpga-get:42", "reg.42=1234", "reg.43=5678"});
  std::uint16_t value = 0xAAAA;
  EXPECT_EQ(link.ReadFpgaRegister(0x42, &value), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(value, 0xAAAA);
  EXPECT_EQ(link.ReadFpgaRegister(0x43, &value), ks::S_OK);
  EXPECT_EQ(value, 0x5678);
  const std::uint16_t write = 9;
  EXPECT_EQ(link.WriteFpgaRegister(0x42, &write), ks::S_OK);
  EXPECT_EQ(board().fpga().Register(0x42), 9);
}

TEST_F(FaultsTest, FpgaSetOfOneRegisterAlsoStopsBlocksThatTouchIt) {
  Bind({"fail=fpga-set:41"});
  const std::uint16_t value = 3;
  EXPECT_EQ(link.WriteFpgaRegister(0x41, &value), ks::E_DEVICE_NOT_FUNCTIONING);
  Bytes block;
  AppendPair(block, 0x40, 1);
  AppendPair(block, 0x41, 2);
  EXPECT_EQ(link.WriteRegisterPairs(block.data(), 8), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(board().fpga().Register(0x40), 0);
  EXPECT_EQ(board().fpga().Register(0x41), 0);
  std::uint16_t read = 0xFFFF;
  EXPECT_EQ(link.ReadFpgaRegister(0x41, &read), ks::S_OK);
  EXPECT_EQ(read, 0);
}

TEST_F(FaultsTest, EveryPairBlock) {
  Bind({"fail=pairs"});
  const auto block = RepeatedPairBlock(0x41, 1);
  EXPECT_EQ(link.WriteRegisterPairs(block.data(), 32), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(link.WriteRegisterPairs(block.data(), 32), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(board().fpga().Register(0x41), 0);
  const std::uint16_t value = 1;
  EXPECT_EQ(link.WriteFpgaRegister(0x41, &value), ks::S_OK);
}

TEST_F(FaultsTest, NthPairBlock) {
  Bind({"fail=pairs:2"});
  const auto first = RepeatedPairBlock(0x41, 1);
  const auto second = RepeatedPairBlock(0x41, 2);
  EXPECT_EQ(link.WriteRegisterPairs(first.data(), 32), ks::S_OK);
  EXPECT_EQ(link.WriteRegisterPairs(second.data(), 32), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(board().fpga().Register(0x41), 1);
  EXPECT_EQ(link.WriteRegisterPairs(second.data(), 32), ks::S_OK);
  EXPECT_EQ(board().fpga().Register(0x41), 2);
}

TEST_F(FaultsTest, AbsentI2cChip) {
  Bind({"i2c-absent=4c"});
  const Bytes write = {0x0B, 0x42};
  EXPECT_EQ(link.WriteI2c(0x4C, write.data(), 2), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(board().emc2101().Register(0x0B), 0);
  std::uint8_t read = 0x11;
  EXPECT_EQ(link.ReadI2c(0x4C, &read, 1), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(read, 0x11);
  EXPECT_EQ(link.ReadI2c(0x20, &read, 1), ks::S_OK);
}

TEST_F(FaultsTest, ChannelBeamGet) {
  Bind({"fail=chanbeam-get", "chanbeam=81"});
  std::uint32_t value = 0;
  EXPECT_EQ(link.GetShortProperty(3, &value), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(value, 0u);
  EXPECT_EQ(link.SetShortProperty(3, 0x100), ks::S_OK);
  EXPECT_EQ(board().channelBeam(), 0x100u);
}

TEST_F(FaultsTest, FailureCountSinceTheMark) {
  Bind({"fail=pairs"});
  EXPECT_FALSE(recorder->FailureSummary().has_value());
  const auto block = RepeatedPairBlock(0x41, 1);
  link.WriteRegisterPairs(block.data(), 32);
  std::uint8_t byte = 0;
  link.ReadUart(&byte, 1);
  const std::uint16_t value = 1;
  link.WriteFpgaRegister(1, &value);
  EXPECT_EQ(recorder->stats().calls(), 3u);
  EXPECT_EQ(recorder->stats().failed(), 2u);
  EXPECT_EQ(recorder->stats().firstFailure(), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(recorder->FailureSummary(), "2 request(s) failed, first 0x8007001f");
  recorder->stats().Mark();
  EXPECT_EQ(recorder->stats().failed(), 0u);
  EXPECT_FALSE(recorder->stats().firstFailure().has_value());
}

// What real kernel-streaming drivers return, chosen per fault and returned
// (and traced) exactly as chosen.
TEST_F(FaultsTest, FaultsFailWithTheChosenDriverCode) {
  for (const char* code : {"0x80070492", "0x80070490", "0x80070001", "0x8007007a", "0x800700ea",
                           "0x8007001f", "0x80070079", "0x8007048f"}) {
    Bind({std::string("fail=fpga-get:1f:") + code, std::string("fail=pairs:") + code,
          std::string("fail=call:5:") + code});
    const auto hr = static_cast<ks::HResult>(std::stoul(code, nullptr, 16));
    std::uint16_t word = 0;
    const auto block = RepeatedPairBlock(0x41, 1);
    EXPECT_EQ(link.ReadFpgaRegister(0x1f, &word), hr) << code;
    EXPECT_EQ(link.WriteRegisterPairs(block.data(), 32), hr) << code;
    EXPECT_EQ(link.ReadFpgaRegister(0x20, &word), hr) << code; // the 5th call, probes counted
    EXPECT_EQ(link.ReadFpgaRegister(0x20, &word), ks::S_OK) << code;
    const auto& e = std::get<ks::PropertyEvent>(recorder->trace().events()[2]);
    EXPECT_NE(ks::ToJson(e).find(std::string("\"hr\":\"") + code + "\""), std::string::npos);
  }
}

} // namespace
