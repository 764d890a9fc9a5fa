#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "device/device_link.hpp"
#include "device/fake_catalog.hpp"
#include "device/requests.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Hex(const std::string& text) {
  Bytes out;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2)
    out.push_back(static_cast<std::uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
  return out;
}

// The sets' GUIDs as they lie on the wire.
const std::string kDeviceSet = "87ffeb967d70f8438e10fd6e5c15ecdc";
const std::string kFpgaSet = "3f690bcd1a9b80438730e9604f3e1556";

// A link bound to a fake channel that passed both probes; the probe calls are
// dropped so each test sees only its own requests.
struct Bound {
  fake::Catalog catalog;
  ks::VirtualClock clock;
  ks::Recorder recorder{clock};
  DeviceLink link;
  Bound() {
    link.SetRecorder(&recorder);
    catalog.entries = {{u"usb#vid_ffff&pid_3430#x"}};
    catalog.answer = [](const std::uint8_t* property, std::uint8_t* data, std::uint32_t,
                        std::uint32_t* returned) {
      if (ks::KsPropertyHeader::ReadFrom(property).flags == ks::KSPROPERTY_TYPE_BASICSUPPORT) {
        ks::PutU32(data, 3);
        *returned = 4;
      }
      return ks::S_OK;
    };
    link.FindDevice(catalog);
    calls().clear();
    recorder.trace().Clear();
    recorder.stats().Mark();
  }
  std::vector<fake::Call>& calls() { return catalog.channels.at(0)->calls; }
};

struct FormCase {
  const char* name;
  std::function<ks::HResult(DeviceLink&)> send;
  std::string property;
  std::string data;
};

class RequestForms : public testing::TestWithParam<FormCase> {};

TEST_P(RequestForms, SendsExactBytes) {
  Bound bound;
  const FormCase& c = GetParam();
  EXPECT_EQ(c.send(bound.link), ks::S_OK);
  ASSERT_EQ(bound.calls().size(), 1u);
  EXPECT_EQ(bound.calls()[0].property, Hex(c.property));
  EXPECT_EQ(bound.calls()[0].data, Hex(c.data));
}

const std::uint8_t kTwo[] = {0x2a, 0x1f};
std::uint8_t gByte = 0x5c;
std::uint16_t gWord = 0xabcd;
const std::uint8_t kPairs[] = {0x41, 0, 0, 0x80, 0x41, 0, 0, 0x80};

INSTANTIATE_TEST_SUITE_P(
    Transport, RequestForms,
    testing::Values(
        FormCase{"I2cWrite", [](DeviceLink& l) { return l.WriteI2c(0x4C, kTwo, 2); },
                 kDeviceSet + "00000000"
                              "02000000"
                              "bc00"
                              "0000"
                              "4c00"
                              "0200",
                 "2a1f"},
        FormCase{"I2cRead", [](DeviceLink& l) { return l.ReadI2c(0x57, &gByte, 1); },
                 kDeviceSet + "00000000"
                              "01000000"
                              "bd00"
                              "0000"
                              "5700"
                              "0100",
                 "5c"},
        FormCase{"GpioSet", [](DeviceLink& l) { return l.SetGpio(57, &gByte); },
                 kDeviceSet + "00000000"
                              "02000000"
                              "be00"
                              "0000"
                              "3900"
                              "0100",
                 "5c"},
        FormCase{"GpioGet", [](DeviceLink& l) { return l.GetGpio(26, &gByte); },
                 kDeviceSet + "00000000"
                              "01000000"
                              "bf00"
                              "0000"
                              "1a00"
                              "0100",
                 "5c"},
        FormCase{"UartWrite", [](DeviceLink& l) { return l.WriteUart(kTwo, 2); },
                 kDeviceSet + "00000000"
                              "02000000"
                              "b700"
                              "0000"
                              "0000"
                              "0200",
                 "2a1f"},
        FormCase{"UartRead", [](DeviceLink& l) { return l.ReadUart(&gByte, 1); },
                 kDeviceSet + "00000000"
                              "01000000"
                              "b800"
                              "0000"
                              "0000"
                              "0100",
                 "5c"},
        FormCase{"FpgaGet", [](DeviceLink& l) { return l.ReadFpgaRegister(0x12345, &gWord); },
                 kFpgaSet + "00000000"
                            "01000000"
                            "00000000"
                            "45230100",
                 "cdab"},
        FormCase{"FpgaSet", [](DeviceLink& l) { return l.WriteFpgaRegister(0x42, &gWord); },
                 kFpgaSet + "00000000"
                            "02000000"
                            "00000000"
                            "42000000",
                 "cdab"},
        FormCase{"PairBlock", [](DeviceLink& l) { return l.WriteRegisterPairs(kPairs, 8); },
                 kDeviceSet + "01000000"
                              "02000000"
                              "0000"
                              "0000"
                              "0000"
                              "0800",
                 "4100008041000080"},
        FormCase{"MultiBeamSet", [](DeviceLink& l) { return l.SetShortProperty(2, 3); },
                 kDeviceSet + "02000000"
                              "02000000",
                 "03000000"},
        FormCase{"ChannelBeamSet", [](DeviceLink& l) { return l.SetShortProperty(3, 0xff80); },
                 kDeviceSet + "03000000"
                              "02000000",
                 "80ff0000"},
        FormCase{"ChannelBeamGet",
                 [](DeviceLink& l) {
                   std::uint32_t v = 0;
                   return l.GetShortProperty(3, &v);
                 },
                 kDeviceSet + "03000000"
                              "01000000",
                 "00000000"}),
    [](const testing::TestParamInfo<FormCase>& p) { return p.param.name; });

TEST(Transport, GuardsSendNothing) {
  Bound bound;
  std::uint8_t byte = 0;
  EXPECT_EQ(bound.link.WriteI2c(0x4C, kTwo, 0), ks::S_OK);
  EXPECT_EQ(bound.link.WriteI2c(0x4C, kTwo, -1), ks::S_OK);
  EXPECT_EQ(bound.link.WriteI2c(0x4C, nullptr, 2), ks::S_OK);
  EXPECT_EQ(bound.link.ReadI2c(0x4C, &byte, 0), ks::S_OK);
  EXPECT_EQ(bound.link.WriteUart(kTwo, -5), ks::S_OK);
  EXPECT_EQ(bound.link.ReadUart(nullptr, 1), ks::S_OK);
  EXPECT_EQ(bound.link.SetGpio(26, nullptr), ks::S_OK);
  EXPECT_EQ(bound.link.GetGpio(26, nullptr), ks::S_OK);
  EXPECT_TRUE(bound.calls().empty());
}

TEST(Transport, NoChannelFailsWithoutSending) {
  DeviceLink link;
  std::uint8_t byte = 0;
  std::uint16_t word = 7;
  EXPECT_EQ(link.WriteI2c(0x4C, kTwo, 2), ks::E_FAIL);
  EXPECT_EQ(link.ReadI2c(0x4C, &byte, 1), ks::E_FAIL);
  EXPECT_EQ(link.SetGpio(1, &byte), ks::E_FAIL);
  EXPECT_EQ(link.GetGpio(1, &byte), ks::E_FAIL);
  EXPECT_EQ(link.WriteUart(kTwo, 1), ks::E_FAIL);
  EXPECT_EQ(link.ReadUart(&byte, 1), ks::E_FAIL);
  EXPECT_EQ(link.ReadFpgaRegister(1, &word), ks::E_FAIL);
  EXPECT_EQ(link.WriteFpgaRegister(1, &word), ks::E_FAIL);
  EXPECT_EQ(link.WriteRegisterPairs(kPairs, 8), ks::E_FAIL);
  EXPECT_EQ(word, 7);
}

TEST(Transport, LengthFieldHoldsLow16BitsWithFullDataLength) {
  Bound bound;
  const Bytes block(65536 + 8, 0);
  bound.link.WriteRegisterPairs(block.data(), static_cast<std::uint32_t>(block.size()));
  ASSERT_EQ(bound.calls().size(), 1u);
  EXPECT_EQ(bound.calls()[0].property[30], 0x08);
  EXPECT_EQ(bound.calls()[0].property[31], 0x00);
  EXPECT_EQ(bound.calls()[0].data.size(), block.size());
}

// A kernel-streaming driver completing with "more data" fills part of the
// buffer and fails: no get may hand that to the caller.
TEST(Transport, FailedGetKeepsPresetOnEveryPath) {
  constexpr auto kMoreData = static_cast<ks::HResult>(0x800700EAu);
  Bound bound;
  bound.catalog.channels[0]->answer = [](const std::uint8_t*, std::uint8_t* data, std::uint32_t,
                                         std::uint32_t*) {
    data[0] = 0x99;
    return kMoreData;
  };
  std::uint16_t word = 0x1234;
  std::uint32_t value = 0x55;
  Bytes i2c = {1, 2, 3};
  std::uint8_t level = 7;
  std::uint8_t uart = 9;
  EXPECT_EQ(bound.link.ReadFpgaRegister(4, &word), kMoreData);
  EXPECT_EQ(bound.link.GetShortProperty(3, &value), kMoreData);
  EXPECT_EQ(bound.link.ReadI2c(0x50, i2c.data(), 3), kMoreData);
  EXPECT_EQ(bound.link.GetGpio(26, &level), kMoreData);
  EXPECT_EQ(bound.link.ReadUart(&uart, 1), kMoreData);
  EXPECT_EQ(word, 0x1234);
  EXPECT_EQ(value, 0x55u);
  EXPECT_EQ(i2c, (Bytes{1, 2, 3}));
  EXPECT_EQ(level, 7);
  EXPECT_EQ(uart, 9);
  // The recorder saw each call as the driver answered it.
  EXPECT_EQ(bound.recorder.stats().calls(), 5u);
  EXPECT_EQ(bound.recorder.FailureSummary(), "5 request(s) failed, first 0x800700ea");
  const auto& last = std::get<ks::PropertyEvent>(bound.recorder.trace().events().back());
  EXPECT_EQ(last.data, Bytes{9});
  EXPECT_EQ(last.out, Bytes{0x99});
  EXPECT_EQ(last.hr, kMoreData);
}

TEST(Transport, RecorderForwardsUntouchedAndRecordsFromTheFirstProbe) {
  fake::Catalog catalog;
  catalog.entries = {{u"usb#vid_ffff&pid_3430#x"}};
  catalog.answer = [](const std::uint8_t*, std::uint8_t* data, std::uint32_t length,
                      std::uint32_t* returned) {
    ks::PutU32(data, 3);
    *returned = length;
    return ks::S_OK;
  };
  ks::VirtualClock clock;
  ks::Recorder recorder(clock);
  DeviceLink link;
  link.SetRecorder(&recorder);
  ASSERT_TRUE(link.FindDevice(catalog));
  const auto& calls = catalog.channels.at(0)->calls;
  const auto& events = recorder.trace().events();
  ASSERT_EQ(events.size(), 2u);
  ASSERT_EQ(calls.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    const auto& e = std::get<ks::PropertyEvent>(events[i]);
    EXPECT_EQ(e.property, calls[i].property);
    EXPECT_EQ(e.data, calls[i].data);
    EXPECT_EQ(e.out, (Bytes{3, 0, 0, 0}));
    EXPECT_EQ(e.returned, 4u);
  }
  recorder.clock().Sleep(20);
  EXPECT_EQ(clock.pauses(), std::vector<std::uint32_t>{20});
  EXPECT_EQ(ks::ToJson(events.back()), R"({"sleep_ms":20})");
  EXPECT_EQ(recorder.stats().failed(), 0u);
}

} // namespace
