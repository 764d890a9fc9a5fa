// The program's behaviour seen from outside: exit statuses, what goes to
// standard output and standard error, scripts, the prompt.
#include <gtest/gtest.h>

#include "sim/config.hpp"
#include <regex>

#include "cli/usage.hpp"
#include "cli_process.hpp"
#include "support/case_names.hpp"

namespace cli_test {
namespace {

const std::string kUsage = std::string(cli::kUsageLine) + "\n";

struct StatusCase {
  std::vector<std::string> args;
  int status;
  const char* out;
  const char* err;
};

class ExitStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatusTest, StatusAndOutput) {
  std::vector<std::string> args = {"--virtual-time"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const Outcome r = Launch(args);
  EXPECT_EQ(r.status, GetParam().status);
  EXPECT_EQ(r.out, GetParam().out);
  EXPECT_EQ(r.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ExitStatusTest,
    ::testing::Values(
        StatusCase{{"--sim-set", "reg.1f=5", "fpga", "read", "1f"}, 0, "0x0005 (5)\n", ""},
        // The message box of the PCA9537 panel; the next command still runs.
        StatusCase{{"pca9537", "write", "0", "5", ";", "pca9537", "read", "1"},
                   1,
                   "ff\n",
                   "PCA9537 WRITE ERROR: Can't write to input register\n"},
        StatusCase{{"--sim-set", "boards=0", "fpga", "read", "1f"},
                   1,
                   "",
                   "No device found: Velta Device\n"},
        StatusCase{{"--sim-set", "pid=1234", "show"}, 1, "", "No device found: Velta Device\n"},
        StatusCase{
            {"--sim-set", "device-support=get", "show"}, 1, "", "No device found: Velta Device\n"},
        // A read that gets no answer shows its preset; the run says so.
        StatusCase{{"--sim-set", "i2c-absent=4c", "emc2101", "read", "fd"},
                   3,
                   "ff\n",
                   "emc2101 read fd: 2 request(s) failed, first 0x8007001f\n"},
        // The message box outranks the failed request.
        StatusCase{{"--sim-set", "i2c-absent=49", "pca9537", "read", "1", ";", "pca9537", "write",
                    "0", "1"},
                   1,
                   "ff\n",
                   "pca9537 read 1: 2 request(s) failed, first 0x8007001f\n"
                   "PCA9537 WRITE ERROR: Can't write to input register\n"},
        // 0x10 - 0x4 + 1
        StatusCase{{"--sim-set", "reg.1f=10", "--sim-set", "reg.1d=4", "cdbeams"},
                   0,
                   "Read CD Beams: 13\n",
                   ""},
        StatusCase{{"get", "1012"}, 0, "Load Firmware...\n", ""},
        StatusCase{{"rfsource", "3", ";", "get", "1069", ";", "fpga", "read", "42"},
                   0,
                   "Source 11\n0x0300 (768)\n",
                   ""},
        StatusCase{{"channel", "128", ";", "beam", "2", ";", "get", "1061", ";", "get", "1065"},
                   0,
                   "128\n2\n",
                   ""},
        StatusCase{{"uart", "write", "41", ";", "uart", "read", ";", "uart", "read"},
                   3,
                   "41\nff\n",
                   "uart read: 1 request(s) failed, first 0x8007001f\n"},
        // OK ends the dialog; what follows does not run.
        StatusCase{{"click", "1", ";", "get", "1012"},
                   0,
                   "",
                   "velta-cli: the dialog has ended; 1 command(s) not run\n"}),
    support::NamedBy([](const StatusCase& c) { return support::Joined(c.args); }));

TEST(ExitStatus, FailedRequestInTheOpening) {
  // Call 3 is the first GPIO get (after the two probes): line 26 reads as clear.
  const Outcome r =
      Launch({"--sim-set", "gpio.26=1", "--sim-set", "fail=call:3", "get", "1019", ";", "show"});
  EXPECT_EQ(r.status, 3);
  EXPECT_TRUE(
      std::regex_match(r.err, std::regex("open: 1 request\\(s\\) failed, first 0x8[0-9a-f]{7}\n")))
      << r.err;
  EXPECT_NE(r.out.find("1019 checkbox \"Power On\" check=0 sel=-1 enabled=1\n"), std::string::npos);
}

TEST(ExitStatus, FailedFpgaGet) {
  const Outcome r = Launch({"--sim-set", "fail=fpga-get:1f", "fpga", "read", "1f"});
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.out, "0xffffffff (-1)\n");
  EXPECT_TRUE(std::regex_match(
      r.err, std::regex("fpga read 1f: 1 request\\(s\\) failed, first 0x8[0-9a-f]{7}\n")))
      << r.err;
}

TEST(Show, OpeningStateFromTheBoard) {
  const Outcome r = Launch(
      {"--sim-set", "gpio.57=1", "--sim-set", "chanbeam=81", "--sim-set", "reg.42=0100", "show"});
  EXPECT_EQ(r.status, 0) << r.err;
  for (const char* line : {
           "1 button \"OK\" check=0 sel=-1 enabled=1\n",
           "1014 static \"0 %\" check=0 sel=-1 enabled=1\n",
           "1015 combo \"0. Write to input register X\" check=0 sel=0 enabled=1\n",
           "1016 combo \"2. X = All DACs\" check=0 sel=2 enabled=1\n",
           "1030 combo \"7\" check=0 sel=7 enabled=1\n",
           "1019 checkbox \"Power On\" check=0 sel=-1 enabled=1\n",
           "1039 checkbox \"GPIO 57\" check=1 sel=-1 enabled=1\n",
           "1061 combo \"2\" check=0 sel=1 enabled=1\n",
           "1065 combo \"2\" check=0 sel=1 enabled=1\n",
           "1069 combo \"Source 01\" check=0 sel=1 enabled=1\n",
           "1073 static \"\" check=0 sel=-1 enabled=1\n",
           "1081 static \"(Hex) Data:\" check=0 sel=-1 enabled=1\n",
       })
    EXPECT_NE(r.out.find(line), std::string::npos) << line;
  // Every control with an id, one line each, in template order.
  // Controls with an id in the template: 1-2, 1001-1007, 1012-1014, 1015-1021, 1022-1024,
  // 1026-1034, 1036-1042, 1043-1058 and 19 more from 1059 to 1081: 73.
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 73);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "1 button \"OK\" check=0 sel=-1 enabled=1");
}

TEST(Show, WithoutFpgaSupportRfSourceIsDisabled) {
  const Outcome r = Launch({"--sim-set", "fpga-support=none", "--sim-set", "reg.42=0300", "show"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("1069 combo \"Source 00\" check=0 sel=0 enabled=0\n"), std::string::npos);
}

TEST(Show, TextIsQuoted) {
  const Outcome r = Launch({"set", "1024", "say \"hi\" \\", ";", "show"});
  EXPECT_NE(r.out.find("1024 static \"say \\\"hi\\\" \\\\\" check=0"), std::string::npos) << r.out;
}

TEST(Script, CommentsBlankLinesAndEmptySet) {
  TempDir dir;
  const std::string script = dir.Write("bringup.txt", "# bring-up\n"
                                                      "\n"
                                                      "set 1072 1f   # the register\n"
                                                      "click 1074\n"
                                                      "get 1073\n"
                                                      "set 1072\n"
                                                      "get 1072\n"
                                                      "   # indented comment\r\n"
                                                      "set 1001  a  b  \n"
                                                      "get 1001\n"
                                                      "fpga read 4 # trailing comment\n");
  const Outcome r =
      Launch({"--sim-set", "reg.1f=abcd", "--sim-set", "reg.4=7", "--script", script});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "0xabcd (43981)\n\na  b\n0x0007 (7)\n");
  EXPECT_EQ(r.err, "");
}

TEST(Script, FromStandardInputWhenItIsNotATerminal) {
  const Outcome r = Launch({"--sim-set", "reg.1f=5"}, "fpga read 1f\n# done\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "0x0005 (5)\n");
  EXPECT_EQ(r.err, "");
}

TEST(Script, DashReadsStandardInput) {
  const Outcome r = Launch({"--script", "-"}, "fpga write 10 beef\nfpga read 10");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "0xbeef (48879)\n");
}

TEST(Script, AnErrorStopsTheWholeScriptBeforeAnythingRuns) {
  TempDir dir;
  const std::string script =
      dir.Write("s.txt", "fpga write 10 1\n\nfpga reed 10\nclick 9999\nfpga read 10\n");
  const Outcome r = Launch({"--trace=" + dir.File("t.jsonl"), "--script", script});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "velta-cli: script line 3: fpga reed 10: fpga needs one of: read, write, "
                   "write4a, dump\n"
                   "velta-cli: script line 4: click 9999: no control with id 9999\n" +
                       kUsage);
  // Nothing reached the board: not even discovery ran.
  EXPECT_EQ(ReadFile(dir.File("t.jsonl")), "");
}

struct UsageCase {
  std::vector<std::string> args;
  const char* problem;
};

class UsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageTest, NamesTheProblemAndPrintsTheUsageLine) {
  const Outcome r = Launch(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, std::string("velta-cli: ") + GetParam().problem + "\n" + kUsage);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, UsageTest,
    ::testing::Values(
        UsageCase{{"--bogus"}, "unknown option --bogus"},
        UsageCase{{"--sim-set"}, "--sim-set needs a value"},
        UsageCase{{"--script", "/nonexistent/s.txt"}, "cannot read script /nonexistent/s.txt"},
        UsageCase{{"frob"}, "frob: unknown command 'frob'"},
        UsageCase{{"get", "4242"}, "get 4242: no control with id 4242"},
        UsageCase{{"check", "1043", "yes"}, "check 1043 yes: invalid state (0 or 1) 'yes'"},
        UsageCase{{"gpio", "28", "1"},
                  "gpio 28 1: invalid LINE (26, 27, 45, 50, 51, 52 or 57) '28'"},
        // Checked against the open dialog's lists, still before any command runs.
        UsageCase{{"fpga", "write", "1", "2", ";", "channel", "0"},
                  "channel 0: no entry '0' in 1061 (entries '1' to '128')"},
        UsageCase{{"select", "1015", "8"},
                  "select 1015 8: index 8 out of range for 1015 (-1 to 7)"}),
    support::NamedBy([](const UsageCase& c) { return support::Joined(c.args); }));

TEST(Usage, BadSimulatorSettingIsAUsageError) {
  const Outcome r = Launch({"--sim-set", "bogus=1", "show"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err.rfind("velta-cli: --sim-set: ", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("bogus"), std::string::npos);
}

TEST(Usage, HelpAndVersion) {
  const Outcome help = Launch({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, std::string(cli::kHelpText) + "\n" + std::string(sim::kSettingsHelp));
  const Outcome version = Launch({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("velta-cli ") + VELTA_VERSION + "\n");
}

TEST(Extras, EepromDump) {
  const Outcome r = Launch({"--sim-set", "eeprom.3.10=41424300", "eeprom", "dump", "3", "12", "3"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "       0  1  2  3  4  5  6  7  8  9  a  b  c  d  e  f    0123456789abcdef\n"
                   // Cells 0, 1 blank; 2..4 the bytes (0x14 erased); 5..15 blank.
                   "0010:      "
                   " 43 00 ff" +
                       std::string(33, ' ') + "    " + "  C.." + std::string(11, ' ') + "\n");
}

TEST(Extras, EepromDumpOfAbsentChipShowsXX) {
  const Outcome r = Launch({"--sim-set", "i2c-absent=50", "eeprom", "dump", "0", "0", "2"});
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.out, "       0  1  2  3  4  5  6  7  8  9  a  b  c  d  e  f    0123456789abcdef\n"
                   "0000: XX XX" +
                       std::string(14 * 3, ' ') + "    " + "??" + std::string(14, ' ') + "\n");
  EXPECT_EQ(r.err, "eeprom dump 0 0 2: 1 request(s) failed, first 0x8007001f\n");
}

TEST(Extras, FpgaDump) {
  const Outcome r =
      Launch({"--sim-set", "reg.5=abcd", "--sim-set", "fail=fpga-get:6", "fpga", "dump", "4", "4"});
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.out, "         0    1    2    3    4    5    6    7\n"
                   "0000:                     0000 abcd XXXX 0000\n");
}

TEST(Extras, VerifyReportsTheFirstMismatch) {
  TempDir dir;
  const std::string image = dir.Write("fw.bin", std::string("\x01\x02\x03\x04\x05\x06", 6));
  const Outcome r = Launch({"--virtual-time", "load", "firmware", image, ";", "eeprom", "write",
                            "0", "4", "ee", ";", "verify", "firmware", image});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "verify firmware: mismatch at 0x00004: file 05, eeprom ee\n");
}

TEST(Extras, VerifyWithoutImage) {
  const Outcome r = Launch({"verify", "firmware", "/nonexistent/fw.bin"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "verify firmware: cannot read /nonexistent/fw.bin (missing, empty or over "
                   "524288 bytes)\n");
}

TEST(Progress, FirmwareLoadOnATerminalShowsItsPercentages) {
  TempDir dir;
  const std::string image = dir.Write("fw.bin", std::string(64, '\x5a'));
  const Outcome r =
      LaunchOnTerminal({"--virtual-time", "load", "firmware", image}, "", /*errOnTerminal=*/true);
  EXPECT_EQ(r.status, 0);
  // Two pieces of 32 bytes: 50 %, then 100 %; the terminal turns "\n" into "\r\n".
  EXPECT_EQ(r.err, "\rload firmware: 50 %\rload firmware: 100 %\r\n");
}

TEST(Prompt, OnATerminal) {
  const Outcome r = LaunchOnTerminal(
      {"--sim-set", "reg.1f=5"}, "fpga read 1f\n\nfrob\nhelp\nfpga write 1f 6 # x\nget 1079\nquit\n"
                                 "fpga read 1f\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "0x0005 (5)\n" + std::string(cli::kHelpText) + "6\n");
  EXPECT_EQ(r.err, "velta> velta> velta> velta-cli: frob: unknown command 'frob'\n" + kUsage +
                       "velta> velta> velta> velta> \n");
}

TEST(Prompt, EndOfInputEndsIt) {
  const Outcome r = LaunchOnTerminal({}, "pca9537 write 0 1\n\x04");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "velta> PCA9537 WRITE ERROR: Can't write to input register\nvelta> \n");
}

} // namespace
} // namespace cli_test
