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
                   "velta-cli: the dialog has ended; 1 command(s) not run\n"},
        // Expectations: the read prints as always; a mismatch makes the status 1
        // and the commands after it still run.
        StatusCase{{"--sim-set", "reg.1f=5", "fpga", "read", "1f", "=", "0x0005 (5)"},
                   0,
                   "0x0005 (5)\n",
                   ""},
        StatusCase{{"--sim-set", "reg.1f=5", "fpga", "read", "1f", "=", "0x1234", "(4660)", ";",
                    "get", "1012"},
                   1,
                   "0x0005 (5)\nLoad Firmware...\n",
                   "fpga read 1f: got \"0x0005 (5)\", want \"0x1234 (4660)\"\n"},
        StatusCase{{"--sim-set", "reg.1f=10", "--sim-set", "reg.1d=4", "cdbeams", "=",
                    "Read CD Beams: 13", ";", "eeprom", "read", "0", "10", "=", "ff"},
                   0,
                   "Read CD Beams: 13\nff\n",
                   ""},
        StatusCase{{"expect", "1012", "Load Firmware...", ";", "expect", "1012", "Load"},
                   1,
                   "",
                   "expect 1012: got \"Load Firmware...\", want \"Load\"\n"},
        // --stop-on-error ends the run at each kind of problem.
        StatusCase{{"--stop-on-error", "pca9537", "write", "0", "1", ";", "get", "1012"},
                   1,
                   "",
                   "PCA9537 WRITE ERROR: Can't write to input register\n"
                   "velta-cli: stopped at the first error; 1 command(s) not run\n"},
        StatusCase{{"--stop-on-error", "--sim-set", "i2c-absent=4c", "emc2101", "read", "fd", ";",
                    "get", "1012"},
                   3,
                   "ff\n",
                   "emc2101 read fd: 2 request(s) failed, first 0x8007001f\n"
                   "velta-cli: stopped at the first error; 1 command(s) not run\n"},
        StatusCase{{"--stop-on-error", "expect", "1012", "x", ";", "get", "1012"},
                   1,
                   "",
                   "expect 1012: got \"Load Firmware...\", want \"x\"\n"
                   "velta-cli: stopped at the first error; 1 command(s) not run\n"},
        StatusCase{{"--stop-on-error", "load", "tfc", "/nonexistent", ";", "get", "1012"},
                   1,
                   "",
                   "velta-cli: cannot read /nonexistent: No such file or directory\n"
                   "velta-cli: stopped at the first error; 1 command(s) not run\n"},
        StatusCase{{"--stop-on-error", "get", "1012", ";", "get", "1075"},
                   0,
                   "Load Firmware...\nTFC Load...\n",
                   ""}),
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

TEST(Script, QuotedWordsAndEmptyText) {
  TempDir dir;
  dir.Write("my tfc.txt", "1\n");
  const std::string script = dir.Write("s.txt", "set 1001 'x'\n"
                                                "set 1001 ''\n"
                                                "get 1001\n"
                                                "set 1024 \"say \\\"hi\\\"\"  it\\'s\n"
                                                "get 1024\n"
                                                "load tfc \"" +
                                                    dir.File("my tfc.txt") + "\"\n");
  const Outcome r = Launch({"--virtual-time", "--script", script});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "\nsay \"hi\"  it's\n");
  EXPECT_EQ(r.err, "");
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
        UsageCase{{"--script", "/nonexistent/s.txt"},
                  "cannot read script /nonexistent/s.txt: No such file or directory"},
        UsageCase{{"--script", "/"}, "cannot read script /: Is a directory"},
        // Standard input is an empty file here.
        UsageCase{{}, "the script from standard input has no commands"},
        UsageCase{{"--read-chunk", "0", "show"}, "--read-chunk: invalid N '0' (1 to 4096)"},
        UsageCase{{"uart", "write", "41", "=", "41"},
                  "uart write 41 = 41: only a read takes '= EXPECTED'"},
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
  EXPECT_EQ(help.out, cli::HelpText(false));
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
  EXPECT_EQ(r.err, "verify firmware: mismatch at 0x00004: wrote 0x05, read 0xee\n"
                   "verify firmware: 1 mismatch\n");
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

struct PromptCase {
  const char* name;
  std::vector<std::string> keys;
  std::string history;
  int status;
  std::string out;
  // Shown on the terminal; nullptr: not checked.
  const char* shown;
};

class PromptTest : public ::testing::TestWithParam<PromptCase> {};

TEST_P(PromptTest, SessionOnATerminal) {
  const PromptCase& c = GetParam();
  const Outcome r = Converse({"--virtual-time", "--sim-set", "reg.1f=5"}, c.keys, c.history);
  EXPECT_EQ(r.status, c.status) << r.err;
  EXPECT_EQ(r.out, c.out) << r.err;
  if (c.shown != nullptr) {
    EXPECT_NE(r.err.find(c.shown), std::string::npos) << r.err;
  }
  // The usage line belongs to the command line, not to the prompt.
  EXPECT_EQ(r.err.find("Usage:"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, PromptTest,
    ::testing::Values(
        // A typo prints its problem and leaves the exit status to what ran.
        PromptCase{"TypoThenGoodCommand",
                   {"frob\r", "fpga read 1f\r", "\x04"},
                   "",
                   0,
                   "0x0005 (5)\n",
                   "velta-cli: frob: unknown command 'frob'\r\n"},
        PromptCase{"UnterminatedQuote",
                   {"set 1001 'a\r", "quit\r"},
                   "",
                   0,
                   "",
                   "velta-cli: set 1001 'a: unterminated quote\r\n"},
        PromptCase{"MessageBoxSetsTheStatus",
                   {"pca9537 write 0 1\r", "quit\r"},
                   "",
                   1,
                   "",
                   "PCA9537 WRITE ERROR: Can't write to input register\r\n"},
        // Up recalls the line kept from an earlier session.
        PromptCase{"HistoryRecall",
                   {"\x1b[A\r", "quit\r"},
                   "_HiStOrY_V2_\nfpga\\040read\\0401f\n",
                   0,
                   "0x0005 (5)\n",
                   nullptr},
        // What the terminal shows of it is redrawn; the read that ran tells.
        PromptCase{"CompletesNamesAndSecondWords",
                   {"fp\tre\t1f\r", "quit\r"},
                   "",
                   0,
                   "0x0005 (5)\n",
                   nullptr},
        PromptCase{
            "HelpOfOneCommand",
            {"help fpga\r", "quit\r"},
            "",
            0,
            "  fpga read REG               set 1072, click 1074, print 1073\n"
            "  fpga write REG VALUE        set 1077, set 1079, click 1080\n"
            "  fpga write4a VALUE          set 1062, click 1063\n"
            "  fpga dump ADDR COUNT        hex dump of FPGA registers; ADDR hexadecimal, "
            "COUNT\n"
            "                              decimal; XXXX: not read\n"
            "  fpga save [bank B] ADDR COUNT FILE\n"
            "                              COUNT registers into FILE, one decimal number a\n"
            "                              line; in 8000..ffff the current bank, or bank B\n",
            nullptr},
        PromptCase{"HelpOfAnUnknownCommand",
                   {"help frob\r", "quit\r"},
                   "",
                   0,
                   "",
                   "velta-cli: help frob: no command 'frob'\r\n"},
        // OK ends the dialog and with it the session.
        PromptCase{"OkEndsTheSession", {"click 1\r", "fpga read 1f\r"}, "", 0, "", nullptr}),
    [](const ::testing::TestParamInfo<PromptCase>& p) { return p.param.name; });

TEST(Prompt, HelpListsTheCommandsOnly) {
  const Outcome r = Converse({}, {"help\r", "quit\r"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, cli::CommandList());
  for (const char* line :
       {"  set ID [TEXT]\n", "  expect ID [TEXT]\n", "  eeprom dump CHIP ADDR COUNT\n",
        "  load tfc FILE\n", "  help [COMMAND]\n", "  quit\n"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line;
  for (const char* option : {"--sim", "--trace", "--script", "--help"})
    EXPECT_EQ(r.out.find(option), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("click 1074"), std::string::npos) << r.out;
}

TEST(Prompt, KeepsTheHistoryInTheHomeDirectory) {
  std::string history;
  const Outcome r = Converse({}, {"fpga read 1f\r", "frob\r", "quit\r"}, "", &history);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(history, "_HiStOrY_V2_\nfpga\\040read\\0401f\nfrob\nquit\n");
}

} // namespace
} // namespace cli_test
