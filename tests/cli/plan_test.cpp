#include "cli/plan.hpp"
#include "support/case_names.hpp"

#include "cli/usage.hpp"

#include <gtest/gtest.h>

namespace cli {
namespace {

Command Words(std::vector<std::string> words) {
  return SplitArguments(words).at(0);
}

struct PlanCase {
  const char* line;
  std::vector<Step> steps;
  bool progress = false;
};

class PlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanTest, CommandBecomesTheRawSequence) {
  const auto command = ParseScriptLine(GetParam().line);
  ASSERT_TRUE(command.has_value());
  const PlanResult result = MakePlan(*command);
  ASSERT_EQ(result.error, "") << GetParam().line;
  EXPECT_TRUE(result.plan.steps == GetParam().steps) << GetParam().line;
  EXPECT_EQ(result.plan.progress, GetParam().progress) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Raw, PlanTest,
    ::testing::Values(PlanCase{"set 1001 12zz", {SetText{1001, "12zz"}}},
                      PlanCase{"set 1001", {SetText{1001, ""}}},
                      PlanCase{"set 1024 two  words", {SetText{1024, "two  words"}}},
                      PlanCase{"get 1071", {PrintText{1071}}},
                      PlanCase{"select 1061 -1", {SelectIndex{1061, -1}}},
                      PlanCase{"select 1015 7", {SelectIndex{1015, 7}}},
                      PlanCase{"check 1019 1", {CheckAndClick{1019, 1}}},
                      PlanCase{"click 1074", {Click{1074}}}, PlanCase{"click 1020", {Click{1020}}},
                      PlanCase{"file /tmp/a b.bin", {QueueFile{"/tmp/a b.bin"}}},
                      PlanCase{"file -", {QueueFile{std::nullopt}}}, PlanCase{"show", {ShowAll{}}}),
    support::NamedBy([](const PlanCase& c) { return c.line; }));

INSTANTIATE_TEST_SUITE_P(
    Named, PlanTest,
    ::testing::Values(
        PlanCase{"emc2101 write 12 -3", {SetText{1001, "12"}, SetText{1002, "-3"}, Click{1003}}},
        PlanCase{"emc2101 read fd", {SetText{1001, "fd"}, Click{1004}, PrintText{1002}}},
        PlanCase{"pca9535 write 1234", {SetText{1005, "1234"}, Click{1006}}},
        PlanCase{"pca9535 read", {Click{1007}, PrintText{1005}}},
        PlanCase{"ltc2633 3 1 80",
                 {SelectIndex{1015, 3}, SelectIndex{1016, 1}, SetText{1017, "80"}, Click{1018}}},
        PlanCase{"pca9537 write 3 f0", {SelectIndex{1029, 3}, SetText{1026, "f0"}, Click{1027}}},
        PlanCase{"pca9537 read 0", {SelectIndex{1029, 0}, Click{1028}, PrintText{1026}}},
        PlanCase{"eeprom write 7 1234 5a",
                 {SelectIndex{1030, 7}, SetText{1031, "1234"}, SetText{1032, "5a"}, Click{1033}}},
        PlanCase{"eeprom read 0 1fff",
                 {SelectIndex{1030, 0}, SetText{1031, "1fff"}, Click{1034}, PrintText{1032}}},
        PlanCase{"gpio 26 1", {CheckAndClick{1019, 1}}},
        PlanCase{"gpio 27 0", {CheckAndClick{1020, 0}}},
        PlanCase{"gpio 45 1", {CheckAndClick{1021, 1}}},
        PlanCase{"gpio 57 1", {CheckAndClick{1039, 1}}},
        PlanCase{"uart write 41", {SetText{1042, "41"}, Click{1040}}},
        PlanCase{"uart read", {Click{1041}, PrintText{1042}}},
        PlanCase{"fpga read 1f", {SetText{1072, "1f"}, Click{1074}, PrintText{1073}}},
        PlanCase{"fpga write 1f 1234", {SetText{1077, "1f"}, SetText{1079, "1234"}, Click{1080}}},
        PlanCase{"fpga write4a -1", {SetText{1062, "-1"}, Click{1063}}},
        PlanCase{"multibeam 3", {SelectEntry{1060, "3"}}},
        PlanCase{"channel 128", {SelectEntry{1061, "128"}}},
        PlanCase{"beam 2", {SelectEntry{1065, "2"}}},
        PlanCase{"rfsource 0", {SelectEntry{1069, "Source 00"}}},
        PlanCase{"rfsource 2", {SelectEntry{1069, "Source 10"}}},
        PlanCase{"cdbeams", {Click{1071}, PrintText{1071}}},
        PlanCase{
            "load firmware fw.bin", {CheckFile{"fw.bin"}, QueueFile{"fw.bin"}, Click{1012}}, true},
        PlanCase{"load ep1out d.bin", {CheckFile{"d.bin"}, QueueFile{"d.bin"}, Click{1023}}},
        PlanCase{"load afe a.bin", {CheckFile{"a.bin"}, QueueFile{"a.bin"}, Click{1076}}},
        PlanCase{"load apod a.txt", {CheckFile{"a.txt"}, QueueFile{"a.txt"}, Click{1066}}},
        PlanCase{"load log 'my table.txt'",
                 {CheckFile{"my table.txt"}, QueueFile{"my table.txt"}, Click{1070}}},
        PlanCase{"load tfc -", {QueueFile{std::nullopt}, Click{1075}}}),
    support::NamedBy([](const PlanCase& c) { return c.line; }));

// A read compares what it printed with the rest of the command after "=".
INSTANTIATE_TEST_SUITE_P(
    Expectations, PlanTest,
    ::testing::Values(
        PlanCase{"expect 1073 0x1234 (4660)", {ExpectText{1073, "0x1234 (4660)", "expect 1073"}}},
        PlanCase{"expect 1001 ''", {ExpectText{1001, "", "expect 1001"}}},
        PlanCase{"fpga read 1f = 0x1234 (4660)",
                 {SetText{1072, "1f"}, Click{1074}, PrintText{1073},
                  ExpectText{1073, "0x1234 (4660)", "fpga read 1f"}}},
        PlanCase{"eeprom read 0 10 = 5a",
                 {SelectIndex{1030, 0}, SetText{1031, "10"}, Click{1034}, PrintText{1032},
                  ExpectText{1032, "5a", "eeprom read 0 10"}}},
        PlanCase{"pca9535 read = 55aa",
                 {Click{1007}, PrintText{1005}, ExpectText{1005, "55aa", "pca9535 read"}}},
        PlanCase{
            "cdbeams = \"Read CD Beams: 4661\"",
            {Click{1071}, PrintText{1071}, ExpectText{1071, "Read CD Beams: 4661", "cdbeams"}}},
        // A field value of "=" stays a value where the command needs one.
        PlanCase{"fpga write 1f =", {SetText{1077, "1f"}, SetText{1079, "="}, Click{1080}}},
        PlanCase{"set 1001 = 5", {SetText{1001, "= 5"}}}),
    support::NamedBy([](const PlanCase& c) { return c.line; }));

INSTANTIATE_TEST_SUITE_P(
    Extras, PlanTest,
    ::testing::Values(PlanCase{"eeprom dump 7 fff0 16", {EepromDump{7, 0xFFF0, 16}}},
                      PlanCase{"fpga dump 0x8000 8", {FpgaDump{0x8000, 8}}},
                      PlanCase{"fpga dump ffff 1", {FpgaDump{0xFFFF, 1}}},
                      PlanCase{"verify firmware fw", {VerifyTable{Table::Firmware, "fw"}}}),
    support::NamedBy([](const PlanCase& c) { return c.line; }));

TEST(Plan, TestBitsTickEveryBoxFromBit15Down) {
  const PlanResult result = MakePlan(Words({"testbits", "8001"}));
  ASSERT_EQ(result.error, "");
  std::vector<Step> expected;
  for (int i = 0; i < 16; ++i)
    expected.push_back(CheckAndClick{1043 + i, (i == 0 || i == 15) ? 1 : 0});
  expected.push_back(Click{1059});
  EXPECT_TRUE(result.plan.steps == expected);
}

TEST(Plan, ArgumentsFromTheCommandLineKeepTheirBlanks) {
  const PlanResult result = MakePlan(Words({"set", "1079", " 12 "}));
  ASSERT_EQ(result.error, "");
  EXPECT_TRUE(result.plan.steps == (std::vector<Step>{SetText{1079, " 12 "}}));
}

struct ErrorCase {
  const char* line;
  const char* error;
};

class PlanErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(PlanErrorTest, NamesTheProblem) {
  const PlanResult result = MakePlan(*ParseScriptLine(GetParam().line));
  EXPECT_EQ(result.error, GetParam().error);
  EXPECT_TRUE(result.plan.steps.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, PlanErrorTest,
    ::testing::Values(
        ErrorCase{"frobnicate", "unknown command 'frobnicate'"},
        ErrorCase{"fpga", "fpga needs one of: read, write, write4a, dump, save"},
        ErrorCase{"fpga reed 1f", "fpga needs one of: read, write, write4a, dump, save"},
        ErrorCase{"fpga read", "usage of this command: fpga read REG"},
        ErrorCase{"fpga read 1 2", "usage of this command: fpga read REG"},
        ErrorCase{"show 1", "usage of this command: show"},
        ErrorCase{"set", "usage of this command: set ID [TEXT]"},
        ErrorCase{"get 9999", "no control with id 9999"},
        ErrorCase{"get -1", "no control with id -1"}, ErrorCase{"get x", "no control with id x"},
        ErrorCase{"select 1001 0", "1001 is an edit field, not a combo box"},
        ErrorCase{"select 1061 x", "invalid INDEX 'x'"},
        ErrorCase{"check 1074 1", "1074 is a button, not a check box"},
        ErrorCase{"check 1019 2", "invalid state (0 or 1) '2'"},
        ErrorCase{"click 1073", "1073 is a label, not a button or check box"},
        ErrorCase{"gpio 28 1", "invalid LINE (26, 27, 45, 50, 51, 52 or 57) '28'"},
        ErrorCase{"gpio 26 on", "invalid state (0 or 1) 'on'"},
        ErrorCase{"ltc2633 x 1 80", "invalid CMD 'x'"},
        ErrorCase{"testbits 10000", "invalid WORD (hexadecimal, up to ffff) '10000'"},
        ErrorCase{"rfsource 4", "invalid N (0 to 3) '4'"},
        ErrorCase{"channel one", "invalid N 'one'"},
        ErrorCase{"eeprom dump 8 0 1", "invalid CHIP (0 to 7) '8'"},
        ErrorCase{"eeprom dump 0 fff0 17", "invalid COUNT '17' (1 to 16 from this ADDR)"},
        ErrorCase{"fpga dump 10000 1", "invalid ADDR '10000'"},
        ErrorCase{"load bitstream x", "load needs one of: firmware, ep1out, afe, apod, log, tfc"},
        ErrorCase{"load firmware", "usage of this command: load firmware FILE"},
        ErrorCase{"load tfc \"my tfc.txt", "unterminated quote"},
        ErrorCase{"uart write 41 = 41", "only a read takes '= EXPECTED'"},
        ErrorCase{"fpga read 1f 5a", "usage of this command: fpga read REG"},
        ErrorCase{"expect 9999 x", "no control with id 9999"}),
    support::NamedBy([](const ErrorCase& c) { return c.line; }));

TEST(Plan, EveryCommandHasItsHelpEntry) {
  for (const CommandWords& command : KnownCommands()) {
    const std::string entry = "  " + std::string(command.name) +
                              (command.sub.empty() ? "" : " " + std::string(command.sub));
    const std::string help = CommandHelp(command.name);
    EXPECT_NE(help.find(entry), std::string::npos) << entry;
  }
}

} // namespace
} // namespace cli
