// The DirectShow catalog and the control-channel adapter, walked by discovery
// over made-up COM objects: the calls they make, and every reference given back.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "cli/app.hpp"
#include "device/device_link.hpp"
#include "device/requests.hpp"
#include "platform/windows/directshow_adapters.hpp"
#include "windows/fake_com.hpp"

namespace {

// The one device enumerator the factory hands out, and what it was asked.
fake::CreateDevEnum* gDeviceEnum = nullptr;
HRESULT gFactoryResult = S_OK;
DWORD gContext = 0;

HRESULT FakeFactory(DWORD context, ICreateDevEnum** out) {
  gContext = context;
  *out = nullptr;
  if (FAILED(gFactoryResult))
    return gFactoryResult;
  gDeviceEnum->AddRef();
  *out = gDeviceEnum;
  return S_OK;
}

bool SameGuid(const GUID& a, const GUID& b) {
  return IsEqualGUID(a, b) != 0;
}

class DirectShowTest : public ::testing::Test {
protected:
  void SetUp() override {
    gDeviceEnum = &deviceEnum;
    gFactoryResult = S_OK;
    gContext = 0;
    deviceEnum.enumerator = &monikers;
  }

  // Adds a moniker with this display name bound to a filter with a control.
  fake::Moniker& AddDevice(const wchar_t* name, bool withControl = true) {
    auto& slot = devices_[count_++];
    slot.moniker.displayName = name;
    slot.moniker.filter = &slot.filter;
    slot.filter.control = withControl ? &slot.control : nullptr;
    monikers.monikers.push_back(&slot.moniker);
    return slot.moniker;
  }
  fake::Filter& FilterOf(std::size_t i) { return devices_[i].filter; }
  fake::KsControl& ControlOf(std::size_t i) { return devices_[i].control; }

  // Every object is back to the test's own reference.
  void ExpectAllReleased() {
    EXPECT_EQ(deviceEnum.refs, 1u);
    EXPECT_EQ(monikers.refs, 1u);
    for (std::size_t i = 0; i < count_; ++i) {
      EXPECT_EQ(devices_[i].moniker.refs, 1u) << "moniker " << i;
      EXPECT_EQ(devices_[i].filter.refs, 1u) << "filter " << i;
      EXPECT_EQ(devices_[i].control.refs, 1u) << "control " << i;
    }
  }

  struct Device {
    fake::Moniker moniker;
    fake::Filter filter;
    fake::KsControl control;
  };
  fake::CreateDevEnum deviceEnum;
  fake::EnumMoniker monikers;
  std::array<Device, 4> devices_;
  std::size_t count_ = 0;
  win::DirectShowCatalog catalog{FakeFactory};
};

TEST_F(DirectShowTest, FailedCreationFindsNothing) {
  gFactoryResult = REGDB_E_CLASSNOTREG;
  DeviceLink link;
  EXPECT_FALSE(link.FindDevice(catalog));
  EXPECT_EQ(gContext, 0x17u);
  EXPECT_TRUE(deviceEnum.categories.empty());
  ExpectAllReleased();
}

TEST_F(DirectShowTest, EmptyCategoryFindsNothingAndReleasesTheEnumerator) {
  deviceEnum.result = S_FALSE;
  DeviceLink link;
  EXPECT_FALSE(link.FindDevice(catalog));
  ASSERT_EQ(deviceEnum.categories.size(), 1u);
  EXPECT_TRUE(SameGuid(deviceEnum.categories[0], win::ToGuid(VeltaDeviceCategory)));
  EXPECT_EQ(deviceEnum.categories[0].Data1, 0x5C259E00u);
  EXPECT_EQ(deviceEnum.flagsSeen[0], 0u);
  ExpectAllReleased();
}

TEST_F(DirectShowTest, BindsTheFirstMatchingFilterAndProbesBothSets) {
  AddDevice(L"@device:pnp:\\\\?\\usb#vid_ffff&pid_9999#1#{guid}");
  auto& match = AddDevice(L"@device:pnp:\\\\?\\usb#vid_ffff&pid_344d#2#{guid}");
  AddDevice(L"@device:pnp:\\\\?\\usb#vid_ffff&pid_3430#3#{guid}");
  {
    DeviceLink link;
    ASSERT_TRUE(link.FindDevice(catalog));
    EXPECT_TRUE(link.DeviceReady());
    EXPECT_TRUE(match.nameArgsNull);
    EXPECT_TRUE(match.bindArgsNull);
    EXPECT_TRUE(SameGuid(match.boundIid, win::kBaseFilterInterface));
    ASSERT_EQ(FilterOf(1).queried.size(), 1u);
    EXPECT_TRUE(SameGuid(FilterOf(1).queried[0], win::kKsControlInterface));
    // The link holds the control only; the filter and moniker went back.
    EXPECT_EQ(ControlOf(1).refs, 2u);
    EXPECT_EQ(FilterOf(1).refs, 1u);
    EXPECT_EQ(match.refs, 1u);
    // The third moniker is never asked for.
    EXPECT_EQ(monikers.next, 2u);
    EXPECT_EQ(monikers.counts, (std::vector<ULONG>{1, 1}));
    // The two probes: basic support of each set, 24-byte record, 4 bytes of data.
    const auto& records = ControlOf(1).records;
    ASSERT_EQ(records.size(), 2u);
    const auto device = ShortPropertyRecord(DeviceRequestSet, 0, ks::KSPROPERTY_TYPE_BASICSUPPORT);
    const auto fpga = ShortPropertyRecord(FpgaRegisterSet, 0, ks::KSPROPERTY_TYPE_BASICSUPPORT);
    EXPECT_EQ(records[0], std::vector<std::uint8_t>(device.begin(), device.end()));
    EXPECT_EQ(records[1], std::vector<std::uint8_t>(fpga.begin(), fpga.end()));
    EXPECT_EQ(ControlOf(1).lengths, (std::vector<ULONG>{4, 4}));
  }
  ExpectAllReleased();
}

TEST_F(DirectShowTest, SkipsMonikersThatFailUntilOneBinds) {
  AddDevice(L"usb#vid_ffff&pid_3430#name-fails").nameResult = E_OUTOFMEMORY;
  AddDevice(L"usb#vid_ffff&pid_3430#bind-fails").bindResult = E_FAIL;
  AddDevice(L"usb#vid_ffff&pid_3430#no-control", false);
  AddDevice(L"usb#vid_ffff&pid_3430#good");
  {
    DeviceLink link;
    ASSERT_TRUE(link.FindDevice(catalog));
    EXPECT_EQ(ControlOf(3).refs, 2u);
    EXPECT_EQ(ControlOf(3).records.size(), 2u);
  }
  ExpectAllReleased();
}

TEST_F(DirectShowTest, ProbeWithoutSetSupportReleasesTheControl) {
  AddDevice(L"usb#vid_ffff&pid_3430#get-only");
  ControlOf(0).answer = {0x01, 0x00, 0x00, 0x00};
  DeviceLink link;
  EXPECT_FALSE(link.FindDevice(catalog));
  EXPECT_FALSE(link.HasChannel());
  ExpectAllReleased();
}

TEST(KsControlAdapterTest, PassesRecordDataAndResultThrough) {
  fake::KsControl control;
  control.answer = {0xAB, 0xCD};
  control.result = static_cast<HRESULT>(0x8007001F);
  {
    control.AddRef(); // the adapter's reference
    const auto channel = win::AdoptKsControl(&control);
    const std::uint8_t record[32] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    std::uint8_t data[2] = {};
    std::uint32_t returned = 99;
    EXPECT_EQ(channel->KsProperty(record, sizeof record, data, sizeof data, &returned),
              static_cast<ks::HResult>(0x8007001F));
    EXPECT_EQ(returned, 2u);
    EXPECT_EQ(data[0], 0xAB);
    EXPECT_EQ(data[1], 0xCD);
    ASSERT_EQ(control.records.size(), 1u);
    EXPECT_EQ(control.records[0], std::vector<std::uint8_t>(record, record + 32));
    EXPECT_EQ(control.lengths[0], 2u);
  }
  EXPECT_EQ(control.refs, 1u);
}

TEST(KsControlAdapterTest, HandsTheDriverAlignedCopiesOfUnalignedBuffers) {
  fake::KsControl control;
  control.answer = {0xAB, 0xCD, 0xEF};
  control.AddRef(); // the adapter's reference
  const auto channel = win::AdoptKsControl(&control);
  alignas(8) std::uint8_t record[33] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  alignas(8) std::uint8_t data[8] = {0, 0, 0, 0x11, 0x22, 0x33, 0x44, 0x55};
  std::uint32_t returned = 0;
  EXPECT_EQ(channel->KsProperty(record + 1, 32, data + 3, 4, &returned), S_OK);
  EXPECT_EQ(control.misaligned, std::vector<bool>{false});
  EXPECT_EQ(control.records[0], std::vector<std::uint8_t>(record + 1, record + 33));
  EXPECT_EQ(returned, 3u);
  EXPECT_EQ(std::vector<std::uint8_t>(data, data + 8),
            (std::vector<std::uint8_t>{0, 0, 0, 0xAB, 0xCD, 0xEF, 0x44, 0x55}));
}

// Wine's own system device enumerator has no filter in the device's category.
TEST(SystemDeviceEnumTest, TheDeviceCategoryIsEmptyWithoutADevice) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  {
    win::DirectShowCatalog system;
    ks::DeviceEnumerator* raw = nullptr;
    ASSERT_EQ(system.CreateDeviceEnumerator(0x17, &raw), S_OK);
    const auto enumerator = ks::ComPtr<ks::DeviceEnumerator>::Attach(raw);
    ks::EnumMoniker* monikers = nullptr;
    EXPECT_EQ(enumerator->CreateClassEnumerator(VeltaDeviceCategory, &monikers, 0), S_FALSE);
    EXPECT_EQ(monikers, nullptr);
    DeviceLink link;
    EXPECT_FALSE(link.FindDevice(system));
  }
  CoUninitialize();
}

} // namespace

// velta-cli.exe on the device, no --sim: the trace starts at the first probe
// and a failed request makes exit status 3, exactly as on the simulated board.
TEST_F(DirectShowTest, CliTracesAndCountsFailuresOnTheDevice) {
  AddDevice(L"@device:pnp:\\\\?\\usb#vid_ffff&pid_3430#1#{guid}");
  // The two probes and the opening's nine requests succeed; the command's own
  // read, the 12th call, times out.
  ControlOf(0).results.assign(11, S_OK);
  ControlOf(0).results.push_back(static_cast<HRESULT>(0x80070079));
  std::istringstream in;
  std::ostringstream out, err;
  ks::VirtualClock clock;
  const std::vector<std::string> args = {"--trace", "fpga", "read", "1f"};
  const int status = cli::RunCli(args, {in, out, err}, {&catalog, &clock});
  EXPECT_EQ(status, 3) << err.str();
  EXPECT_EQ(err.str().rfind(R"({"prop":"87ffeb967d70f8438e10fd6e5c15ecdc0000000000020000")", 0),
            0u);
  EXPECT_NE(err.str().find(R"("hr":"0x80070079")"), std::string::npos);
  EXPECT_NE(err.str().find("fpga read 1f: 1 request(s) failed, first 0x80070079"),
            std::string::npos);
  ExpectAllReleased();
}
