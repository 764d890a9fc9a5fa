// Discovery over a catalog: every situation on the fake catalog, which can
// fail at each step, and on the simulated board where its settings can make
// the same situation, so that both are held to one table.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "device/device_link.hpp"
#include "device/fake_catalog.hpp"
#include "device/requests.hpp"
#include "sim/simulator.hpp"

namespace {

const std::u16string kPath =
    u"@device:pnp:\\\\?\\usb#vid_ffff&pid_3430#5&1a&0&1#{5c259e00-f30a-11d6-95e3-0020ed1a49ff}"
    u"\\global";

struct ProbeAnswer {
  ks::HResult hr;
  std::uint32_t flags;
  std::uint32_t returned;
};

// Answers the basic-support probe of each set as told.
auto Prober(ProbeAnswer device, ProbeAnswer fpga) {
  return [=](const std::uint8_t* property, std::uint8_t* data, std::uint32_t,
             std::uint32_t* returned) {
    const bool isDevice = ks::Guid::FromBytes(property) == DeviceRequestSet;
    const ProbeAnswer a = isDevice ? device : fpga;
    if (ks::Succeeded(a.hr)) {
      ks::PutU32(data, a.flags);
      *returned = a.returned;
    }
    return a.hr;
  };
}

constexpr ProbeAnswer kGetSet{ks::S_OK, 3, 4};

struct Case {
  const char* name;
  std::vector<fake::Entry> entries;
  ks::HResult classResult;
  ProbeAnswer device;
  ProbeAnswer fpga;
  bool found;
  bool ready;
  int boundIndex; // which channel was kept, -1 none
  // The simulated board's settings for the same situation, where it has them.
  std::optional<std::vector<std::string>> sim = std::nullopt;
};

class FindDeviceTest : public testing::TestWithParam<Case> {};

TEST_P(FindDeviceTest, WalksCatalogAndProbes) {
  const Case& c = GetParam();
  fake::Catalog catalog;
  catalog.entries = c.entries;
  catalog.classResult = c.classResult;
  catalog.answer = Prober(c.device, c.fpga);
  {
    DeviceLink link;
    EXPECT_EQ(link.FindDevice(catalog), c.found);
    EXPECT_EQ(link.HasChannel(), c.found);
    EXPECT_EQ(link.DeviceReady(), c.ready);
    EXPECT_EQ(catalog.lastContext, 0x17u);
    if (c.boundIndex >= 0) {
      ASSERT_GT(catalog.channels.size(), static_cast<std::size_t>(c.boundIndex));
      EXPECT_EQ(link.Channel(), catalog.channels[static_cast<std::size_t>(c.boundIndex)]);
    }
    // Only the kept channel is still alive.
    EXPECT_EQ(catalog.live.objects, c.found ? 1 : 0);
  }
  EXPECT_EQ(catalog.live.objects, 0);
  if (!c.sim)
    return;
  sim::Simulator board(*c.sim);
  DeviceLink link;
  EXPECT_EQ(link.FindDevice(board.catalog()), c.found);
  EXPECT_EQ(link.HasChannel(), c.found);
  EXPECT_EQ(link.DeviceReady(), c.ready);
}

std::u16string Path(const char16_t* pid) {
  std::u16string p = kPath;
  p.replace(p.find(u"pid_3430"), 8, pid);
  return p;
}

using Settings = std::vector<std::string>;

constexpr ProbeAnswer kGetOnly{ks::S_OK, 1, 4};
constexpr ProbeAnswer kSetOnly{ks::S_OK, 2, 4};
constexpr ProbeAnswer kShort{ks::S_OK, 3, 2};
constexpr ProbeAnswer kFails{ks::E_FAIL, 3, 4};

INSTANTIATE_TEST_SUITE_P(
    Catalogs, FindDeviceTest,
    testing::Values(
        Case{"Empty", {}, ks::S_FALSE, kGetSet, kGetSet, false, false, -1, Settings{"boards=0"}},
        Case{"ClassError", {{kPath}}, ks::E_FAIL, kGetSet, kGetSet, false, false, -1},
        Case{"OneDevice", {{kPath}}, ks::S_OK, kGetSet, kGetSet, true, true, 0, Settings{}},
        Case{"LowerCaseLastId",
             {{Path(u"pid_344d")}},
             ks::S_OK,
             kGetSet,
             kGetSet,
             true,
             true,
             0,
             Settings{"pid=344D"}},
        Case{"UpperCasePath",
             {{u"USB#VID_FFFF&PID_3449#X"}},
             ks::S_OK,
             kGetSet,
             kGetSet,
             true,
             true,
             0},
        Case{"UnlistedPid",
             {{Path(u"pid_3431")}},
             ks::S_OK,
             kGetSet,
             kGetSet,
             false,
             false,
             -1,
             Settings{"pid=3431"}},
        Case{"OtherVendor",
             {{u"usb#vid_04b4&pid_3430"}},
             ks::S_OK,
             kGetSet,
             kGetSet,
             false,
             false,
             -1},
        Case{"NameFails",
             {{kPath, ks::E_FAIL}, {Path(u"pid_343b")}},
             ks::S_OK,
             kGetSet,
             kGetSet,
             true,
             true,
             0},
        Case{"UnbindableSkipped",
             {{kPath, ks::S_OK, ks::E_FAIL}, {Path(u"pid_3440")}},
             ks::S_OK,
             kGetSet,
             kGetSet,
             true,
             true,
             0,
             Settings{"boards=2", "bind-fail=1"}},
        Case{"BindSucceedsPositiveIsNotOk",
             {{kPath, ks::S_OK, ks::S_FALSE}, {Path(u"pid_3440")}},
             ks::S_OK,
             kGetSet,
             kGetSet,
             true,
             true,
             0},
        Case{"OnlyDeviceUnbindable",
             {{kPath, ks::S_OK, ks::E_FAIL}},
             ks::S_OK,
             kGetSet,
             kGetSet,
             false,
             false,
             -1,
             Settings{"bind-fail=1"}},
        Case{"OnlyDeviceWithoutControl",
             {{kPath, ks::S_OK, ks::S_OK, false}},
             ks::S_OK,
             kGetSet,
             kGetSet,
             false,
             false,
             -1,
             Settings{"no-control=1"}},
        Case{"NoControlSkipped",
             {{kPath, ks::S_OK, ks::S_OK, false}, {Path(u"pid_343c")}},
             ks::S_OK,
             kGetSet,
             kGetSet,
             true,
             true,
             0,
             Settings{"boards=2", "no-control=1"}},
        Case{"TwoDevicesFirstWins",
             {{kPath}, {Path(u"pid_3436")}},
             ks::S_OK,
             kGetSet,
             kGetSet,
             true,
             true,
             0,
             Settings{"boards=2"}},
        Case{"DeviceSetGetOnly",
             {{kPath}},
             ks::S_OK,
             kGetOnly,
             kGetSet,
             false,
             false,
             -1,
             Settings{"device-support=get"}},
        Case{"DeviceSetSetOnly",
             {{kPath}},
             ks::S_OK,
             kSetOnly,
             kGetSet,
             false,
             false,
             -1,
             Settings{"device-support=set"}},
        Case{"DeviceSetShortAnswer",
             {{kPath}},
             ks::S_OK,
             kShort,
             kGetSet,
             false,
             false,
             -1,
             Settings{"device-support=short"}},
        Case{"DeviceSetProbeFails",
             {{kPath}},
             ks::S_OK,
             kFails,
             kGetSet,
             false,
             false,
             -1,
             Settings{"device-support=none"}},
        Case{"FpgaSetGetOnly",
             {{kPath}},
             ks::S_OK,
             kGetSet,
             kGetOnly,
             true,
             false,
             0,
             Settings{"fpga-support=get"}},
        Case{"FpgaSetSetOnly",
             {{kPath}},
             ks::S_OK,
             kGetSet,
             kSetOnly,
             true,
             false,
             0,
             Settings{"fpga-support=set"}},
        Case{"FpgaSetShortAnswer",
             {{kPath}},
             ks::S_OK,
             kGetSet,
             kShort,
             true,
             false,
             0,
             Settings{"fpga-support=short"}},
        Case{"FpgaSetFails",
             {{kPath}},
             ks::S_OK,
             kGetSet,
             kFails,
             true,
             false,
             0,
             Settings{"fpga-support=none"}},
        Case{"PositiveProbeResultAccepted",
             {{kPath}},
             ks::S_OK,
             {ks::S_FALSE, 3, 4},
             kGetSet,
             true,
             true,
             0}),
    [](const testing::TestParamInfo<Case>& p) { return p.param.name; });

TEST(FindDevice, TwoDevicesLeaveSecondUnvisited) {
  fake::Catalog catalog;
  catalog.entries = {{kPath}, {Path(u"pid_3436")}};
  catalog.answer = Prober(kGetSet, kGetSet);
  DeviceLink link;
  ASSERT_TRUE(link.FindDevice(catalog));
  EXPECT_EQ(catalog.monikersVisited, 1);
}

TEST(FindDevice, ProbesSendBasicSupportOnBothSets) {
  fake::Catalog catalog;
  catalog.entries = {{kPath}};
  catalog.answer = Prober(kGetSet, kGetSet);
  DeviceLink link;
  ASSERT_TRUE(link.FindDevice(catalog));
  const auto& calls = catalog.channels[0]->calls;
  ASSERT_EQ(calls.size(), 2u);
  const auto device = ShortPropertyRecord(DeviceRequestSet, 0, 0x200);
  const auto fpga = ShortPropertyRecord(FpgaRegisterSet, 0, 0x200);
  EXPECT_EQ(calls[0].property, std::vector<std::uint8_t>(device.begin(), device.end()));
  EXPECT_EQ(calls[0].data, std::vector<std::uint8_t>(4, 0));
  EXPECT_EQ(calls[1].property, std::vector<std::uint8_t>(fpga.begin(), fpga.end()));
}

TEST(FindDevice, CreateFailureLeavesNoChannel) {
  fake::Catalog catalog;
  catalog.createResult = ks::E_FAIL;
  DeviceLink link;
  EXPECT_FALSE(link.FindDevice(catalog));
  EXPECT_EQ(catalog.live.objects, 0);
}

} // namespace
