// Start-up: discovery under the wait cursor, then the dialog or the
// "No device found" message box, never both.
#include <gtest/gtest.h>

#include "recording_host.hpp"
#include "sim/simulator.hpp"
#include "startup/run_main_dialog.hpp"

namespace {

struct Case {
  const char* name;
  std::vector<std::string> settings;
  std::vector<std::string> events;
};

class RunMainDialogTest : public ::testing::TestWithParam<Case> {};

TEST_P(RunMainDialogTest, ShowsTheDialogOrTheMessageOnly) {
  sim::Simulator simulator(GetParam().settings, sim::TimeMode::Virtual);
  ks::Recorder recorder(simulator.clock());
  RecordingWxHost host;
  RunMainDialog(host, simulator.catalog(), recorder);
  EXPECT_EQ(host.events, GetParam().events);
  EXPECT_EQ(host.Window(), nullptr); // no window is left behind
}

const std::vector<std::string> kNoDevice = {"wait+", "wait-",
                                            "box:No device found|Velta Device|16"};
const std::vector<std::string> kDialog = {"wait+", "wait-", "modal:Velta Editor"};

INSTANTIATE_TEST_SUITE_P(
    Boards, RunMainDialogTest,
    ::testing::Values(Case{"NoBoard", {"boards=0"}, kNoDevice},
                      Case{"NoControlInterface", {"no-control=1"}, kNoDevice},
                      Case{"DeviceRequestsUnsupported", {"device-support=none"}, kNoDevice},
                      Case{"OneBoard", {}, kDialog},
                      Case{"FpgaSetUnsupported", {"fpga-support=get"}, kDialog}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
