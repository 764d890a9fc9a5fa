// The one start-up of both programs: option forms, the choice of backend, the
// usage errors and their exit status, on a platform with and without a device.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/ks/clock.hpp"
#include "startup/editor_start.hpp"
#include "support/channel_catalog.hpp"

namespace {

struct Case {
  const char* name;
  std::vector<std::string> args;
  bool platformDevice;
  int status;
  // What the run saw: "sim" or "device", the settings count, trace on.
  std::string backend;
  std::string errStart; // the start of the usage error, if any
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

class StartTest : public ::testing::TestWithParam<Case> {};

TEST_P(StartTest, ChoosesTheBackendOrRefuses) {
  const Case& c = GetParam();
  support::ChannelCatalog deviceCatalog(nullptr);
  ks::VirtualClock deviceClock;
  startup::Platform platform;
  if (c.platformDevice)
    platform = {&deviceCatalog, &deviceClock};
  std::ostringstream out, err;
  int consoles = 0;
  std::string seen;
  const int status = startup::StartEditor(
      c.args, platform, {out, err, [&] { ++consoles; }},
      [&](startup::Backend& backend, dlg::ActionObserver* actions) {
        seen = backend.simulator() != nullptr ? "sim" : "device";
        if (backend.simulator() != nullptr && backend.simulator()->virtualClock() != nullptr)
          seen += " virtual";
        if (backend.recorder().trace().streaming())
          seen += " trace";
        if (actions != nullptr)
          seen += " record";
        return 0;
      });
  EXPECT_EQ(status, c.status);
  EXPECT_EQ(seen, c.backend);
  EXPECT_EQ(err.str().substr(0, std::string(c.errStart).size()), c.errStart);
  // A windowed program needs a console only when it writes something.
  EXPECT_EQ(consoles > 0, !out.str().empty() || !err.str().empty() ||
                              seen.find("trace") != std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, StartTest,
    ::testing::Values(
        Case{"NoOptionsOnDevice", {}, true, 0, "device", ""},
        Case{"NoOptionsWithoutDevice", {}, false, 0, "sim", ""},
        Case{"SimOnDevice", {"--sim"}, true, 0, "sim", ""},
        Case{"SettingSeparate", {"--sim", "--sim-set", "boards=2"}, true, 0, "sim", ""},
        Case{"SettingAttached", {"--sim-set=boards=2"}, false, 0, "sim", ""},
        Case{"VirtualTime", {"--virtual-time"}, false, 0, "sim virtual", ""},
        Case{"TraceOnDevice", {"--trace"}, true, 0, "device trace", ""},
        Case{"ShortHelp", {"-h"}, true, 0, "", ""},
        Case{"ShortVersion", {"-V"}, false, 0, "", ""},
        Case{"SettingNeedsSim", {"--sim-set", "boards=2"}, true, 2, "",
             "velta-editor: --sim-set and --virtual-time need --sim"},
        Case{"VirtualTimeNeedsSim", {"--virtual-time"}, true, 2, "",
             "velta-editor: --sim-set and --virtual-time need --sim"},
        Case{"BadSetting", {"--sim-set", "bogus=1"}, false, 2, "",
             "velta-editor: --sim-set: unknown key 'bogus'"},
        Case{"SettingMissing", {"--sim-set"}, false, 2, "",
             "velta-editor: --sim-set needs a value"},
        Case{"EmptyAttached", {"--trace="}, false, 2, "", "velta-editor: --trace= needs a value"},
        Case{"ValueOnAFlag", {"--sim=1"}, false, 2, "", "velta-editor: --sim takes no value"},
        Case{"UnknownOption", {"--bogus"}, false, 2, "", "velta-editor: unknown option --bogus"},
        Case{"Operand", {"show"}, false, 2, "", "velta-editor: unexpected argument show"},
        Case{"UnwritableTrace", {"--trace=/nonexistent-dir/t.jsonl"}, false, 2, "",
             "velta-editor: cannot write the trace to /nonexistent-dir/t.jsonl"},
        Case{"RecordOnDevice", {"--record", "/dev/null"}, true, 0, "device record", ""},
        Case{"UnwritableRecording", {"--record=/nonexistent-dir/r.velta"}, false, 2, "",
             "velta-editor: cannot write the recording to /nonexistent-dir/r.velta"},
        Case{"RecordNeedsAFile", {"--record"}, false, 2, "",
             "velta-editor: --record needs a value"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
