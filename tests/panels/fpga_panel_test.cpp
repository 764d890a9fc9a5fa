#include <gtest/gtest.h>

#include <functional>

#include "support/console_fixture.hpp"

namespace {

using namespace support;

using Case = ActionCase;

class FpgaPanel : public testing::TestWithParam<Case> {};

TEST_P(FpgaPanel, SendsExactRequests) {
  CheckAction(GetParam());
}

std::function<void(Console&)> Select(int combo, int index) {
  return [=](Console& c) { c.host.Select(combo, index); };
}

// Ticks the boxes of the given bits, then presses "Set Test Bits".
std::function<void(Console&)> TestBits(std::vector<int> bits) {
  return [=](Console& c) {
    for (int bit : bits)
      c.host.SetCheck(IDC_TEST_BIT0 - bit, 1);
    c.host.Click(IDC_SET_TEST_BITS);
  };
}

INSTANTIATE_TEST_SUITE_P(
    Registers, FpgaPanel,
    testing::Values(
        Case{"Read",
             {"reg.1f=5"},
             Fill({{1072, "1f"}}, 1074),
             {FpgaGet(0x1F)},
             {{1073, "0x0005 (5)"}, {1077, "1f"}, {1079, "0x0005"}}},
        Case{"ReadWide",
             {"reg.1234=abcd"},
             Fill({{1072, "0x1234"}}, 1074),
             {FpgaGet(0x1234)},
             {{1073, "0xabcd (43981)"}, {1077, "0x1234"}, {1079, "0xabcd"}}},
        Case{"ReadEmptyCopiesText",
             {},
             [](Console& c) {
               c.host.Type(1073, "old");
               c.host.Type(1077, "x");
               c.host.Type(1079, "keep");
               c.host.Type(1072, "");
               c.host.Click(1074);
             },
             {},
             {{1073, "old"}, {1077, ""}, {1079, "keep"}}},
        Case{"ReadFails",
             {"fail=fpga-get:3"},
             Fill({{1072, "3"}}, 1074),
             {FpgaGet(3)},
             {{1073, "0xffffffff (-1)"}, {1079, "0xffffffff"}}},
        Case{"ReadAboveRange",
             {},
             Fill({{1072, "12345"}}, 1074),
             {FpgaGet(0x12345)},
             {{1073, "0xffffffff (-1)"}}},
        Case{"WriteDiffers",
             {"reg.10=1"},
             Fill({{1077, "10"}, {1079, "beef"}}, 1080),
             {FpgaGet(0x10), FpgaSet(0x10, 0xBEEF)},
             {}},
        Case{"WriteEqualUsesBlock",
             {"reg.10=beef"},
             Fill({{1077, "10"}, {1079, "beef"}}, 1080),
             {FpgaGet(0x10), EightPairs(0x10, 0xBEEF)},
             {}},
        Case{"WriteEmptyValueIsZero",
             {"reg.10=1"},
             Fill({{1077, "10"}, {1079, ""}}, 1080),
             {FpgaGet(0x10), FpgaSet(0x10, 0)},
             {}},
        Case{"WriteAfterFailedRead",
             {},
             Fill({{1077, "10"}, {1079, "0xffffffff"}}, 1080),
             {FpgaGet(0x10), FpgaSet(0x10, 0xFFFF)},
             {}},
        Case{"WriteBadAddress", {}, Fill({{1077, "-1"}, {1079, "1"}}, 1080), {}, {}},
        Case{"WriteGetFails",
             {"fail=fpga-get:10"},
             Fill({{1077, "10"}, {1079, "1"}}, 1080),
             {FpgaGet(0x10)},
             {}},
        // The get of an address above 0xFFFF fails on the board; below it the
        // equal case uses the block, whose address is the low 16 bits.
        Case{"WriteWideAddressGetFails",
             {},
             Fill({{1077, "12345"}, {1079, "1"}}, 1080),
             {FpgaGet(0x12345)},
             {}},
        Case{"WriteTo4ah", {}, Fill({{1062, "-1"}}, 1063), {EightPairs(0x4A, 0xFFFF)}, {}},
        Case{"WriteTo4ahEmpty", {}, Fill({{1062, ""}}, 1063), {EightPairs(0x4A, 0)}, {}}),
    [](const testing::TestParamInfo<Case>& p) { return p.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Beamformer, FpgaPanel,
    testing::Values(Case{"TestBit15", {}, TestBits({15}), {EightPairs(0x41, 0x8000)}, {}},
                    Case{"TestBit0", {}, TestBits({0}), {EightPairs(0x41, 0x0001)}, {}},
                    Case{"TestBitsNone", {}, TestBits({}), {EightPairs(0x41, 0)}, {}},
                    Case{"TestBitsMixed", {}, TestBits({14, 8, 1}), {EightPairs(0x41, 0x4102)}, {}},
                    Case{"MultiBeam3", {}, Select(1060, 3), {ShortSet(2, 3)}, {}},
                    Case{"BeamIndexWithChannel",
                         {},
                         [](Console& c) {
                           c.host.SetCurSel(1061, 4);
                           c.host.Select(1065, 1);
                         },
                         {ShortSet(3, 0x84)},
                         {}},
                    Case{"Channel128", {}, Select(1061, 127), {ShortSet(3, 0x7F)}, {}},
                    Case{"Beam512", {}, Select(1065, 511), {ShortSet(3, 0xFF80)}, {}},
                    Case{"RfSource11",
                         {"reg.42=1234"},
                         Select(1069, 3),
                         {FpgaGet(0x42), FpgaSet(0x42, 0x1334)},
                         {}},
                    Case{"RfSource00",
                         {"reg.42=ffff"},
                         Select(1069, 0),
                         {FpgaGet(0x42), FpgaSet(0x42, 0xFCFF)},
                         {}},
                    Case{"RfSourceGetFailsSendsNothing",
                         {"fail=fpga-get:42"},
                         Select(1069, 2),
                         {FpgaGet(0x42)},
                         {}},
                    Case{"RfSourceNotReady", {"fpga-support=set"}, Select(1069, 2), {}, {}},
                    Case{"CdBeams",
                         {"reg.1f=a", "reg.1d=3"},
                         Fill({}, 1071),
                         {FpgaGet(0x1F), FpgaGet(0x1D)},
                         {{1071, "Read CD Beams: 8"}}},
                    Case{"CdBeamsNegative",
                         {"reg.1d=5"},
                         Fill({}, 1071),
                         {FpgaGet(0x1F), FpgaGet(0x1D)},
                         {{1071, "Read CD Beams: -4"}}},
                    Case{"CdBeamsFirstFails",
                         {"fail=fpga-get:1f"},
                         Fill({}, 1071),
                         {FpgaGet(0x1F)},
                         {{1071, "Read CD Beams: ???"}}}),
    [](const testing::TestParamInfo<Case>& p) { return p.param.name; });

TEST(FpgaPanelState, FailedCdReadRestoresUnknownCaption) {
  Console console({"reg.1f=2"});
  ASSERT_TRUE(console.Open());
  console.host.Click(1071);
  EXPECT_EQ(console.Text(1071), "Read CD Beams: 3");
  console.sim.faults().FailFpgaGet(0x1D);
  console.host.Click(1071);
  EXPECT_EQ(console.Text(1071), "Read CD Beams: ???");
}

TEST(FpgaPanelState, RfSourceLeavesOtherBitsOnBoard) {
  Console console({"reg.42=1234"});
  ASSERT_TRUE(console.Open());
  console.host.Select(1069, 3);
  EXPECT_EQ(console.sim.board().fpga().Register(0x42), 0x1334);
}

TEST(FpgaPanelState, ReadThenWriteBackUsesBlock) {
  Console console({"reg.77=42"});
  ASSERT_TRUE(console.Open());
  console.host.Type(1072, "77");
  console.host.Click(1074);
  console.TakeRequests();
  console.host.Click(1080);
  EXPECT_EQ(console.TakeRequests(), (std::vector<Request>{FpgaGet(0x77), EightPairs(0x77, 0x42)}));
}

} // namespace
