// Every multi-request handler with each of its requests failed in turn: which
// requests still go out afterwards, and what the dialog shows.
#include <gtest/gtest.h>

#include <functional>

#include "support/console_fixture.hpp"

namespace {

using namespace support;

struct Outcome {
  std::size_t sent;  // requests that reach the board, the failing one included
  std::string shown; // text of the result control afterwards, "" for none
};

struct Handler {
  const char* name;
  std::vector<std::string> settings;
  std::function<void(Console&)> act;
  int resultControl;                     // 0 when the handler shows nothing
  std::vector<Outcome> byFailedPosition; // [k]: request k (from 0) fails
};

class FaultMatrix : public testing::TestWithParam<Handler> {};

TEST_P(FaultMatrix, EachPositionFails) {
  const Handler& h = GetParam();
  for (std::size_t k = 0; k < h.byFailedPosition.size(); ++k) {
    Console console(h.settings);
    ASSERT_TRUE(console.Open());
    console.TakeRequests();
    console.sim.faults().FailCall(console.sim.faults().callCount() + k + 1);
    h.act(console);
    const auto requests = console.TakeRequests();
    const Outcome& expected = h.byFailedPosition[k];
    EXPECT_EQ(requests.size(), expected.sent) << "failing request " << k;
    if (h.resultControl != 0) {
      EXPECT_EQ(console.Text(h.resultControl), expected.shown) << "failing request " << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, FaultMatrix,
    testing::Values(
        // Reads go on whatever the pointer write returned, and show the preset.
        // A failed pointer write leaves the pointer at register 0.
        Handler{"Emc2101Read", {}, Fill({{1001, "fe"}}, 1004), 1002, {{2, "0"}, {2, "ff"}}},
        Handler{"Pca9535Read",
                {},
                Fill({}, 1007),
                1005,
                {{4, "ffff"}, {4, "ffaa"}, {4, "ffff"}, {4, "55ff"}}},
        Handler{"Pca9537Read",
                {},
                [](Console& c) {
                  c.host.SetCurSel(1029, 2);
                  c.host.Click(1028);
                },
                1026,
                {{2, "ff"}, {2, "ff"}}},

        Handler{"At24c64Read", {}, Fill({{1031, "10"}}, 1034), 1032, {{2, "ff"}, {2, "ff"}}},
        // A failed get stops the write; a failed set is ignored.
        Handler{"WriteToFpga",
                {"reg.9=1"},
                Fill({{1077, "9"}, {1079, "2"}}, 1080),
                0,
                {{1, ""}, {2, ""}}},
        Handler{"RfSource",
                {"reg.42=1234"},
                [](Console& c) { c.host.Select(1069, 3); },
                0,
                {{1, ""}, {2, ""}}},
        Handler{"ReadCdBeams",
                {"reg.1f=4"},
                Fill({}, 1071),
                1071,
                {{1, "Read CD Beams: ???"}, {2, "Read CD Beams: ???"}}},
        Handler{
            "FpgaRead", {"reg.1=1"}, Fill({{1072, "1"}}, 1074), 1073, {{1, "0xffffffff (-1)"}}}),
    [](const testing::TestParamInfo<Handler>& p) { return p.param.name; });

// Without a fault the same actions show the board's answer, so the outcomes
// above differ from success.
TEST(FaultMatrixBaseline, SuccessShowsBoardValues) {
  struct Row {
    std::function<void(Console&)> act;
    int control;
    const char* shown;
  };
  const Row rows[] = {
      {Fill({{1001, "fe"}}, 1004), 1002, "5d"},
      {[](Console& c) {
         c.host.SetCurSel(1029, 2);
         c.host.Click(1028);
       },
       1026, "0"},
      {Fill({}, 1071), 1071, "Read CD Beams: 1"},
  };
  for (const auto& row : rows) {
    Console console;
    ASSERT_TRUE(console.Open());
    row.act(console);
    EXPECT_EQ(console.Text(row.control), row.shown);
  }
}

TEST(FaultMatrixBoard, FailedCallsChangeNothing) {
  Console console({"reg.42=1234"});
  ASSERT_TRUE(console.Open());
  console.sim.faults().FailCall(console.sim.faults().callCount() + 2);
  console.host.Select(1069, 3);
  EXPECT_EQ(console.sim.board().fpga().Register(0x42), 0x1234);
}

} // namespace
