// The simulated board's device catalog: its paths, boards and references.
// Discovery over it shares its table with the fake catalog's (tests/device).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/device_link.hpp"
#include "device/requests.hpp"
#include "sim/sim_catalog.hpp"
#include "sim/simulator.hpp"

namespace {

TEST(DiscoveryPath, LooksLikeAWindowsDevicePath) {
  EXPECT_EQ(sim::DevicePath(0x344D, 2), uR"(@device:pnp:\\?\usb#vid_ffff&pid_344d#5&2c6f1a9&0&2#)"
                                        uR"({5c259e00-f30a-11d6-95e3-0020ed1a49ff}\global)");
}

// Which board a bound channel talks to: write a register and look.
int BoundBoard(sim::Simulator& s, DeviceLink& link, int boards) {
  const std::uint16_t value = 0x77;
  EXPECT_EQ(link.WriteFpgaRegister(0x10, &value), ks::S_OK);
  for (int n = 1; n <= boards; ++n)
    if (s.simCatalog().board(n).fpga().Register(0x10) == 0x77)
      return n;
  return 0;
}

TEST(DiscoveryBoards, FirstUsableBoardWins) {
  for (const auto& [settings, expected] :
       std::vector<std::pair<std::vector<std::string>, int>>{{{"boards=2"}, 1},
                                                             {{"boards=3", "bind-fail=1"}, 2},
                                                             {{"boards=3", "no-control=1"}, 2}}) {
    sim::Simulator s(settings);
    DeviceLink link;
    ASSERT_TRUE(link.FindDevice(s.catalog()));
    EXPECT_EQ(BoundBoard(s, link, 3), expected) << settings.back();
  }
}

TEST(DiscoveryBoards, MainBoardIsTheFirst) {
  sim::Simulator s({"boards=2"});
  EXPECT_EQ(&s.simCatalog().board(1), &s.board());
  EXPECT_NE(&s.simCatalog().board(2), &s.board());
}

TEST(DiscoveryCatalog, EmptyCategoryGivesSFalseAndNoEnumerator) {
  sim::Simulator s({"boards=0"});
  ks::DeviceEnumerator* raw = nullptr;
  ASSERT_EQ(s.catalog().CreateDeviceEnumerator(0x17, &raw), ks::S_OK);
  const auto devices = ks::ComPtr<ks::DeviceEnumerator>::Attach(raw);
  ks::EnumMoniker* monikers = reinterpret_cast<ks::EnumMoniker*>(1);
  EXPECT_EQ(devices->CreateClassEnumerator(VeltaDeviceCategory, &monikers, 0), ks::S_FALSE);
  EXPECT_EQ(monikers, nullptr);
}

TEST(DiscoveryCatalog, EachObjectCarriesOneReference) {
  sim::Simulator s({"boards=1"});
  ks::DeviceEnumerator* rawDevices = nullptr;
  ASSERT_EQ(s.catalog().CreateDeviceEnumerator(0x17, &rawDevices), ks::S_OK);
  EXPECT_EQ(rawDevices->AddRef(), 2u);
  EXPECT_EQ(rawDevices->Release(), 1u);
  ks::EnumMoniker* rawEnum = nullptr;
  ASSERT_EQ(rawDevices->CreateClassEnumerator(VeltaDeviceCategory, &rawEnum, 0), ks::S_OK);
  EXPECT_EQ(rawDevices->Release(), 0u);
  ks::Moniker* rawMoniker = nullptr;
  ASSERT_EQ(rawEnum->Next(&rawMoniker), ks::S_OK);
  ks::Moniker* end = nullptr;
  EXPECT_EQ(rawEnum->Next(&end), ks::S_FALSE);
  EXPECT_EQ(end, nullptr);
  EXPECT_EQ(rawEnum->Release(), 0u);
  ks::Filter* rawFilter = nullptr;
  ASSERT_EQ(rawMoniker->BindToFilter(&rawFilter), ks::S_OK);
  EXPECT_EQ(rawMoniker->Release(), 0u);
  ks::KsControl* rawControl = nullptr;
  ASSERT_EQ(rawFilter->QueryControl(&rawControl), ks::S_OK);
  EXPECT_EQ(rawFilter->Release(), 0u);
  EXPECT_EQ(rawControl->Release(), 0u);
}

TEST(DiscoveryCatalog, ChannelOutlivesTheSimulator) {
  DeviceLink link;
  {
    sim::Simulator s;
    ASSERT_TRUE(link.FindDevice(s.catalog()));
  }
  const std::uint16_t value = 1;
  EXPECT_EQ(link.WriteFpgaRegister(1, &value), ks::S_OK);
}

} // namespace
