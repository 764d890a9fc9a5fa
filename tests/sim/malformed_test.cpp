#include <vector>

#include "sim_fixture.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Dev(std::uint32_t id, std::uint32_t flags, std::uint16_t request, std::uint16_t value,
          std::uint16_t index, std::uint16_t length) {
  const auto r = DeviceRequest(id, flags, request, value, index, length);
  return {r.begin(), r.end()};
}

Bytes Fpga(std::uint32_t flags, std::uint32_t address, std::uint32_t zero = 0) {
  auto r = FpgaRegisterRequest(flags, address);
  ks::PutU32(r.data() + 24, zero);
  return {r.begin(), r.end()};
}

Bytes Short(const ks::Guid& set, std::uint32_t id, std::uint32_t flags) {
  const auto r = ShortPropertyRecord(set, id, flags);
  return {r.begin(), r.end()};
}

Bytes Resized(Bytes b, std::size_t n) {
  b.resize(n);
  return b;
}

constexpr std::uint32_t G = ks::KSPROPERTY_TYPE_GET;
constexpr std::uint32_t S = ks::KSPROPERTY_TYPE_SET;
constexpr std::uint32_t B = ks::KSPROPERTY_TYPE_BASICSUPPORT;
const ks::Guid kOtherSet = ks::GuidOf("{00000000-0000-0000-0000-000000000001}");

struct Malformed {
  const char* name;
  Bytes property;
  Bytes data;
  ks::HResult hr;
};

// Each record is one field away from a request that would change the board.
std::vector<Malformed> Cases() {
  const Bytes emcWrite = {0x0B, 0x42};
  const Bytes pair = {0x10, 0x00, 0x34, 0x12};
  const Bytes u32 = {1, 0, 0, 0};
  const Bytes u16 = {0x34, 0x12};
  return {
      {"I2cShortRecord", Resized(Dev(0, S, REQ_I2C_WRITE, 0, 0x4C, 2), 24), emcWrite,
       ks::E_INVALIDARG},
      {"I2cRecord31", Resized(Dev(0, S, REQ_I2C_WRITE, 0, 0x4C, 2), 31), emcWrite,
       ks::E_INVALIDARG},
      {"I2cRecord40", Resized(Dev(0, S, REQ_I2C_WRITE, 0, 0x4C, 2), 40), emcWrite,
       ks::E_INVALIDARG},
      {"I2cLengthField", Dev(0, S, REQ_I2C_WRITE, 0, 0x4C, 1), emcWrite, ks::E_INVALIDARG},
      {"I2cValueField", Dev(0, S, REQ_I2C_WRITE, 1, 0x4C, 2), emcWrite, ks::E_INVALIDARG},
      {"I2cEmpty", Dev(0, S, REQ_I2C_WRITE, 0, 0x4C, 0), {}, ks::E_INVALIDARG},
      {"UnknownCode", Dev(0, S, 0xBA, 0, 0x4C, 2), emcWrite, ks::E_PROP_ID_UNSUPPORTED},
      {"WriteCodeWithGet", Dev(0, G, REQ_I2C_WRITE, 0, 0x4C, 2), emcWrite,
       ks::E_PROP_ID_UNSUPPORTED},
      {"BothFlags", Dev(0, G | S, REQ_I2C_WRITE, 0, 0x4C, 2), emcWrite, ks::E_PROP_ID_UNSUPPORTED},
      {"UnknownId", Dev(4, S, REQ_I2C_WRITE, 0, 0x4C, 2), emcWrite, ks::E_PROP_ID_UNSUPPORTED},
      {"GpioTwoBytes", Dev(0, S, REQ_GPIO_SET, 0, 5, 2), {1, 1}, ks::E_INVALIDARG},
      {"UartIndex", Dev(0, S, REQ_UART_WRITE, 0, 1, 1), {7}, ks::E_INVALIDARG},
      {"PairsOddLength", Dev(1, S, 0, 0, 0, 6), {0x10, 0, 0x34, 0x12, 0, 0}, ks::E_INVALIDARG},
      {"PairsRequestField", Dev(1, S, 1, 0, 0, 4), pair, ks::E_INVALIDARG},
      {"PairsIndexField", Dev(1, S, 0, 0, 1, 4), pair, ks::E_INVALIDARG},
      {"PairsLengthField", Dev(1, S, 0, 0, 0, 8), pair, ks::E_INVALIDARG},
      {"PairsGet", Dev(1, G, 0, 0, 0, 4), pair, ks::E_PROP_ID_UNSUPPORTED},
      {"PairsShortRecord", Resized(Dev(1, S, 0, 0, 0, 4), 24), pair, ks::E_INVALIDARG},
      {"FpgaZeroField", Fpga(S, 0x10, 1), u16, ks::E_INVALIDARG},
      {"FpgaDataLength", Fpga(S, 0x10), {0x34, 0x12, 0, 0}, ks::E_INVALIDARG},
      {"FpgaAddress", Fpga(S, 0x10010), u16, ks::E_INVALIDARG},
      {"FpgaShortRecord", Resized(Fpga(S, 0x10), 24), u16, ks::E_INVALIDARG},
      {"FpgaId", Resized(Short(FpgaRegisterSet, 1, S), 32), u16, ks::E_PROP_ID_UNSUPPORTED},
      {"MultiBeamLongRecord", Resized(Short(DeviceRequestSet, 2, S), 32), u32, ks::E_INVALIDARG},
      {"MultiBeamData", Short(DeviceRequestSet, 2, S), {1, 0}, ks::E_INVALIDARG},
      {"MultiBeamGet", Short(DeviceRequestSet, 2, G), u32, ks::E_PROP_ID_UNSUPPORTED},
      {"ChanBeamData", Short(DeviceRequestSet, 3, S), {1, 0, 0, 0, 0, 0, 0, 0}, ks::E_INVALIDARG},
      {"ChanBeamNoFlags", Short(DeviceRequestSet, 3, 0), u32, ks::E_PROP_ID_UNSUPPORTED},
      {"ProbeData", Short(DeviceRequestSet, 0, B), {0, 0}, ks::E_INVALIDARG},
      {"ProbeLongRecord", Resized(Short(DeviceRequestSet, 0, B), 32), u32, ks::E_INVALIDARG},
      {"UnknownSet", Short(kOtherSet, 3, S), u32, ks::E_PROP_ID_UNSUPPORTED},
      {"NoRecord", {}, u32, ks::E_INVALIDARG},
  };
}

class MalformedTest : public BoundBoard, public ::testing::WithParamInterface<Malformed> {};

TEST_P(MalformedTest, IsRefusedAndChangesNothing) {
  const Malformed& c = GetParam();
  Bytes data = c.data;
  std::uint32_t returned = 77;
  const ks::HResult hr = link.Channel()->KsProperty(
      c.property.empty() ? nullptr : c.property.data(),
      static_cast<std::uint32_t>(c.property.size()), data.empty() ? nullptr : data.data(),
      static_cast<std::uint32_t>(data.size()), &returned);
  EXPECT_EQ(hr, c.hr);
  EXPECT_EQ(returned, 0u);
  EXPECT_EQ(data, c.data);
  EXPECT_EQ(board().emc2101().Register(0x0B), 0);
  EXPECT_EQ(board().emc2101().Pointer(), 0);
  EXPECT_EQ(board().Gpio(5), 0);
  EXPECT_TRUE(board().UartQueue().empty());
  EXPECT_EQ(board().fpga().Register(0x10), 0);
  EXPECT_EQ(board().multiBeam(), 0u);
  EXPECT_EQ(board().channelBeam(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Records, MalformedTest, ::testing::ValuesIn(Cases()),
                         [](const auto& test) { return std::string(test.param.name); });

// The same records, made well formed, do change the board: the table above
// would otherwise prove nothing.
TEST_F(BoundBoard, WellFormedNeighboursDoChangeTheBoard) {
  ks::KsControl* control = link.Channel();
  Bytes emc = {0x0B, 0x42};
  auto r = Dev(0, S, REQ_I2C_WRITE, 0, 0x4C, 2);
  EXPECT_EQ(control->KsProperty(r.data(), 32, emc.data(), 2, nullptr), ks::S_OK);
  Bytes pair = {0x10, 0x00, 0x34, 0x12};
  r = Dev(1, S, 0, 0, 0, 4);
  EXPECT_EQ(control->KsProperty(r.data(), 32, pair.data(), 4, nullptr), ks::S_OK);
  Bytes level = {1};
  r = Dev(0, S, REQ_GPIO_SET, 0, 5, 1);
  EXPECT_EQ(control->KsProperty(r.data(), 32, level.data(), 1, nullptr), ks::S_OK);
  EXPECT_EQ(board().emc2101().Register(0x0B), 0x42);
  EXPECT_EQ(board().fpga().Register(0x10), 0x1234);
  EXPECT_EQ(board().Gpio(5), 1);
  r = Dev(1, S, 0, 0, 0, 0);
  EXPECT_EQ(control->KsProperty(r.data(), 32, nullptr, 0, nullptr), ks::S_OK);
}

} // namespace
