#include <vector>

#include "sim_fixture.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;
using RoundTrip = BoundBoard;

TEST_F(RoundTrip, I2cWriteAndRead) {
  const Bytes write = {0x0B, 0x42};
  EXPECT_EQ(link.WriteI2c(0x4C, write.data(), 2), ks::S_OK);
  EXPECT_EQ(board().emc2101().Register(0x0B), 0x42);
  const std::uint8_t pointer = 0xFD;
  EXPECT_EQ(link.WriteI2c(0x4C, &pointer, 1), ks::S_OK);
  std::uint8_t id = 0;
  EXPECT_EQ(link.ReadI2c(0x4C, &id, 1), ks::S_OK);
  EXPECT_EQ(id, 0x16);
}

TEST_F(RoundTrip, I2cToAnAbsentAddressFails) {
  const std::uint8_t byte = 0;
  EXPECT_EQ(link.WriteI2c(0x30, &byte, 1), ks::E_DEVICE_NOT_FUNCTIONING);
  std::uint8_t read = 0x99;
  EXPECT_EQ(link.ReadI2c(0x10, &read, 1), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(read, 0x99);
}

TEST_F(RoundTrip, EepromImageChunk) {
  Bytes chunk = {0x01, 0x00};
  for (int i = 0; i < 32; ++i)
    chunk.push_back(static_cast<std::uint8_t>(i));
  EXPECT_EQ(link.WriteI2c(0x51, chunk.data(), static_cast<std::int32_t>(chunk.size())), ks::S_OK);
  EXPECT_EQ(link.WriteI2c(0x51, chunk.data(), 2), ks::S_OK);
  Bytes back(32, 0);
  EXPECT_EQ(link.ReadI2c(0x51, back.data(), 32), ks::S_OK);
  EXPECT_EQ(back, Bytes(chunk.begin() + 2, chunk.end()));
}

TEST_F(RoundTrip, Gpio) {
  const std::uint8_t high = 1;
  EXPECT_EQ(link.SetGpio(26, &high), ks::S_OK);
  std::uint8_t level = 0;
  EXPECT_EQ(link.GetGpio(26, &level), ks::S_OK);
  EXPECT_EQ(level, 1);
  level = 0x5A;
  EXPECT_EQ(link.GetGpio(64, &level), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(level, 0x5A);
  EXPECT_EQ(link.SetGpio(64, &high), ks::E_DEVICE_NOT_FUNCTIONING);
}

TEST_F(RoundTrip, UartLoopback) {
  const Bytes hello = {'h', 'e', 'l', 'l', 'o'};
  EXPECT_EQ(link.WriteUart(hello.data(), 5), ks::S_OK);
  Bytes three(3, 0);
  EXPECT_EQ(link.ReadUart(three.data(), 3), ks::S_OK);
  EXPECT_EQ(three, (Bytes{'h', 'e', 'l'}));
  Bytes four(4, 0xEE);
  EXPECT_EQ(link.ReadUart(four.data(), 4), ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(four, Bytes(4, 0xEE));
  EXPECT_EQ(board().UartQueue(), (Bytes{'l', 'o'}));
}

TEST_F(RoundTrip, FpgaRegisters) {
  const std::uint16_t value = 0x1234;
  EXPECT_EQ(link.WriteFpgaRegister(0x4A, &value), ks::S_OK);
  std::uint16_t read = 0;
  EXPECT_EQ(link.ReadFpgaRegister(0x4A, &read), ks::S_OK);
  EXPECT_EQ(read, 0x1234);
  EXPECT_EQ(link.WriteFpgaRegister(0xFFFF, &value), ks::S_OK);
  read = 7;
  EXPECT_EQ(link.ReadFpgaRegister(0x10000, &read), ks::E_INVALIDARG);
  EXPECT_EQ(read, 7);
  EXPECT_EQ(link.WriteFpgaRegister(0x10000, &value), ks::E_INVALIDARG);
}

TEST_F(RoundTrip, RegisterPairBlocksWriteInOrder) {
  Bytes block;
  AppendPair(block, 4, 2);      // bank 2
  AppendPair(block, 0x8005, 9); // into bank 2
  AppendPair(block, 0x41, 1);
  AppendPair(block, 0x41, 3); // the last write wins
  EXPECT_EQ(link.WriteRegisterPairs(block.data(), static_cast<std::uint32_t>(block.size())),
            ks::S_OK);
  EXPECT_EQ(board().fpga().BankWord(2, 5), 9);
  EXPECT_EQ(board().fpga().Register(0x41), 3);
  const auto eight = RepeatedPairBlock(0x1D, 0x55);
  EXPECT_EQ(link.WriteRegisterPairs(eight.data(), 32), ks::S_OK);
  EXPECT_EQ(board().fpga().Register(0x1D), 0x55);
  EXPECT_EQ(link.WriteRegisterPairs(nullptr, 0), ks::S_OK);
}

TEST_F(RoundTrip, LengthFieldCarriesOnlyTheLow16Bits) {
  Bytes block;
  for (std::uint32_t i = 0; i < 0x4001; ++i) // 0x10004 bytes
    AppendPair(block, 0x4000 + (i & 0x1FFF), static_cast<std::uint16_t>(i));
  EXPECT_EQ(link.WriteRegisterPairs(block.data(), static_cast<std::uint32_t>(block.size())),
            ks::S_OK);
  EXPECT_EQ(board().fpga().ApodWord(0), 0x4000);
  EXPECT_EQ(board().fpga().ApodWord(1), 0x2001);
}

TEST_F(RoundTrip, TfcCommitThroughTheChannel) {
  Bytes block;
  for (std::uint16_t i = 0; i < 512; ++i)
    AppendPair(block, 0x200 + i, i);
  ASSERT_EQ(link.WriteRegisterPairs(block.data(), static_cast<std::uint32_t>(block.size())),
            ks::S_OK);
  const std::uint16_t commit = 0x8003;
  EXPECT_EQ(link.WriteFpgaRegister(7, &commit), ks::S_OK);
  EXPECT_EQ(board().fpga().TfcWord(3, 511), 511);
}

TEST_F(RoundTrip, ShortProperties) {
  EXPECT_EQ(link.SetShortProperty(2, 5), ks::S_OK);
  EXPECT_EQ(board().multiBeam(), 5u);
  std::uint32_t value = 0xFFFF;
  EXPECT_EQ(link.GetShortProperty(2, &value), ks::E_PROP_ID_UNSUPPORTED);
  EXPECT_EQ(value, 0xFFFFu);
  EXPECT_EQ(link.SetShortProperty(3, 0x1234), ks::S_OK);
  value = 0;
  EXPECT_EQ(link.GetShortProperty(3, &value), ks::S_OK);
  EXPECT_EQ(value, 0x1234u);
}

TEST_F(RoundTrip, ProbesAnswerBothSets) {
  EXPECT_TRUE(link.ProbeSupport(DeviceRequestSet));
  EXPECT_TRUE(link.ProbeSupport(FpgaRegisterSet));
  EXPECT_FALSE(link.ProbeSupport(VeltaDeviceCategory));
}

TEST_F(RoundTrip, BytesReturnedCountsWhatWasMovedAndMayBeNull) {
  ks::KsControl* control = link.Channel();
  const auto get = FpgaRegisterRequest(ks::KSPROPERTY_TYPE_GET, 1);
  std::uint8_t data[2] = {};
  std::uint32_t returned = 99;
  EXPECT_EQ(control->KsProperty(get.data(), 32, data, 2, &returned), ks::S_OK);
  EXPECT_EQ(returned, 2u);
  EXPECT_EQ(control->KsProperty(get.data(), 32, data, 2, nullptr), ks::S_OK);
  const auto uart = DeviceRequest(0, ks::KSPROPERTY_TYPE_SET, REQ_UART_WRITE, 0, 0, 3);
  std::uint8_t bytes[3] = {1, 2, 3};
  EXPECT_EQ(control->KsProperty(uart.data(), 32, bytes, 3, &returned), ks::S_OK);
  EXPECT_EQ(returned, 3u);
  const auto probe = ShortPropertyRecord(FpgaRegisterSet, 0, ks::KSPROPERTY_TYPE_BASICSUPPORT);
  std::uint8_t flags[8] = {};
  EXPECT_EQ(control->KsProperty(probe.data(), 24, flags, 8, &returned), ks::S_OK);
  EXPECT_EQ(returned, 4u);
  EXPECT_EQ(ks::GetU32(flags), 3u);
  const auto uartRead = DeviceRequest(0, ks::KSPROPERTY_TYPE_GET, REQ_UART_READ, 0, 0, 4);
  std::uint8_t four[4] = {};
  EXPECT_EQ(control->KsProperty(uartRead.data(), 32, four, 4, &returned),
            ks::E_DEVICE_NOT_FUNCTIONING);
  EXPECT_EQ(returned, 0u);
}

} // namespace
