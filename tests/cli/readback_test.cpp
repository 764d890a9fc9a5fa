// Saves and read-backs on the simulated board: each verify checks what its
// loader wrote, a changed word is named at its address and bank, the bank
// register is put back, reads cross chip boundaries in pieces, and what
// cannot be read back is refused.
#include "support/case_names.hpp"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "cli/plan.hpp"
#include "cli/readback.hpp"
#include "cli/readback_progress.hpp"
#include "cli/readback_words.hpp"
#include "cli/usage.hpp"
#include "cli_process.hpp"
#include "support/console_fixture.hpp"

namespace cli {
namespace {

using cli_test::Launch;
using cli_test::Outcome;
using cli_test::ReadFile;
using cli_test::TempDir;
using support::Bytes;
using support::FpgaGet;
using support::FpgaSet;
using support::I2cRead;
using support::I2cWrite;
using support::Request;

// count numbers, one a line.
std::string Lines(int count, const std::function<int(int)>& value) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += std::to_string(value(i)) + '\n';
  return text;
}

// count bytes, byte i = value(i).
std::string Raw(int count, const std::function<int(int)>& value) {
  std::string bytes;
  for (int i = 0; i < count; ++i)
    bytes += static_cast<char>(value(i));
  return bytes;
}

struct PlanCase {
  const char* line;
  std::vector<Step> steps;
};

void PrintTo(const PlanCase& c, std::ostream* os) {
  *os << c.line;
}

class ReadbackPlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(ReadbackPlan, CommandBecomesItsSteps) {
  const PlanResult result = MakePlan(*ParseScriptLine(GetParam().line));
  ASSERT_EQ(result.error, "") << GetParam().line;
  EXPECT_TRUE(result.plan.steps == GetParam().steps) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ReadbackPlan,
    ::testing::Values(
        PlanCase{"eeprom save 1 fff0 32 out.bin", {EepromSave{0x1FFF0, 32, "out.bin"}}},
        PlanCase{"eeprom save 7 ffff 1 o", {EepromSave{0x7FFFF, 1, "o"}}},
        PlanCase{"firmware save 524288 my fw.bin", {EepromSave{0, 524288, "my fw.bin"}}},
        PlanCase{"fpga save 4000 8192 a.txt", {FpgaSave{0x4000, 8192, std::nullopt, "a.txt"}}},
        PlanCase{"fpga save bank 6 ffff 1 b.txt", {FpgaSave{0xFFFF, 1, 6, "b.txt"}}},
        PlanCase{"verify afe t.bin", {VerifyTable{Table::Afe, "t.bin"}}},
        PlanCase{"load log my log.txt --verify",
                 {CheckFile{"my log.txt"}, QueueFile{"my log.txt"}, Click{1070},
                  VerifyTable{Table::Log, "my log.txt"}}},
        PlanCase{"load ep1out e.bin --verify",
                 {CheckFile{"e.bin"}, QueueFile{"e.bin"}, Click{1023},
                  VerifyTable{Table::Ep1out, "e.bin"}}}),
    support::NamedBy([](const PlanCase& c) { return c.line; }));

struct ErrorCase {
  const char* line;
  const char* error;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
  *os << c.line;
}

class ReadbackPlanError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ReadbackPlanError, NamesTheProblem) {
  EXPECT_EQ(MakePlan(*ParseScriptLine(GetParam().line)).error, GetParam().error);
}

constexpr const char* kTfcRefusal = "a TFC table cannot be verified: the committed TFC blocks "
                                    "are not readable through the register window";

INSTANTIATE_TEST_SUITE_P(
    Refusals, ReadbackPlanError,
    ::testing::Values(
        ErrorCase{"verify tfc t.txt", kTfcRefusal},
        ErrorCase{"load tfc t.txt --verify", kTfcRefusal},
        ErrorCase{"verify", "verify needs one of: firmware, ep1out, afe, apod, log, tfc"},
        ErrorCase{"load log --verify", "usage of this command: load log FILE"},
        ErrorCase{"eeprom save 8 0 1 f", "invalid CHIP (0 to 7) '8'"},
        ErrorCase{"eeprom save 7 ffff 2 f", "invalid COUNT '2' (1 to 1 from this CHIP and ADDR)"},
        ErrorCase{"firmware save 524289 f", "invalid COUNT '524289' (1 to 524288)"},
        ErrorCase{"fpga save bank 6 7fff 2 f",
                  "a bank is read in the table window: ADDR 8000 to ffff"},
        ErrorCase{"fpga save bank 256 8000 1 f", "invalid B (0 to 255) '256'"},
        ErrorCase{"fpga save bank 6 8000 1",
                  "usage of this command: fpga save [bank B] ADDR COUNT FILE"}),
    support::NamedBy([](const ErrorCase& c) { return c.line; }));

TEST(ReadbackWords, LastWriteWinsInReadingOrderAndBankSelectionsAreNoWords) {
  const std::vector<std::vector<std::uint8_t>> blocks = {
      {0x02, 0x80, 7, 0, 0x10, 0x00, 1, 0, 0x04, 0x00, 5, 0, 0x00, 0x80, 2, 0, 0x00, 0x80, 3, 0},
      {0x04, 0x00, 6, 1, 0x01, 0x80, 4, 0, 0x10, 0x00, 9, 0}};
  EXPECT_EQ(
      WordsOfPairBlocks(blocks),
      (std::vector<WrittenWord>{
          {0x0010, std::nullopt, 9}, {0x8002, std::nullopt, 7}, {0x8000, 5, 3}, {0x8001, 6, 4}}));
}

// A load through the dialog, its verify, then the same verify after one word
// of the board was changed.
struct RoundTripCase {
  const char* name;
  int button;
  Table table;
  std::string file;
  const char* start; // the EP1OUT start field
  const char* verified;
  std::function<void(sim::Board&)> corrupt;
  const char* report;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
  *os << c.name;
}

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, VerifiesTheLoadAndNamesAChangedWord) {
  const RoundTripCase& c = GetParam();
  TempDir dir;
  const std::string path = dir.Write("table", c.file);
  support::Console console({"reg.4=1234"});
  ASSERT_TRUE(console.Open());
  console.host.Type(IDC_EP1OUT_START, c.start);
  console.host.QueueFile(path);
  console.host.Click(c.button);
  const sim::Fpga& fpga = console.sim.board().fpga();
  const std::uint16_t bank = fpga.Register(4);
  const VerifyTable verify{c.table, path};
  for (const bool changed : {false, true}) {
    if (changed)
      c.corrupt(console.sim.board());
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(VerifyLoad(*console.dialog, verify, c.start, {}, out, err), !changed);
    EXPECT_EQ(out.str(), changed ? "" : c.verified);
    EXPECT_EQ(err.str(), changed ? c.report : "");
    EXPECT_EQ(fpga.Register(4), bank);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, RoundTrip,
    ::testing::Values(
        RoundTripCase{"LogInTwoBanks", IDC_LOGARITHM_LOAD, Table::Log,
                      Lines(32800, [](int i) { return i; }), "", "verified 32800 words\n",
                      [](sim::Board& b) { b.fpga().SetBankWord(6, 5, 5); },
                      "verify log: mismatch at 0x8005 bank 6: wrote 0x8005, read 0x0005\n"
                      "verify log: 1 mismatch\n"},
        // The short last transfer repeats five pairs of bank 5 (0xff02..0xff06)
        // after bank 6 was selected: the load writes them into bank 6 too.
        RoundTripCase{"LogWhoseLastTransferRepeatsPairs", IDC_LOGARITHM_LOAD, Table::Log,
                      Lines(32769, [](int i) { return i; }), "", "verified 32774 words\n",
                      [](sim::Board& b) { b.fpga().SetBankWord(6, 0x7F06, 0); },
                      "verify log: mismatch at 0xff06 bank 6: wrote 0x7f06, read 0x0000\n"
                      "verify log: 1 mismatch\n"},
        RoundTripCase{"Apod", IDC_APOD_FILTER_LOAD, Table::Apod,
                      Lines(8192, [](int i) { return 3 * i - 100; }), "", "verified 8192 words\n",
                      [](sim::Board& b) {
                        b.fpga().SetApodWord(10, 0x7FBA);
                        b.fpga().SetApodWord(8191, 0);
                      },
                      "verify apod: mismatch at 0x400a: wrote 0xffba, read 0x7fba\n"
                      "verify apod: 2 mismatches\n"},
        RoundTripCase{"AfeInTwoBanks", IDC_AFE_TABLE_FILE_LOAD, Table::Afe,
                      Raw(65540, [](int i) { return i % 2 == 0 ? i / 2 : (i / 2) >> 8; }), "",
                      "verified 32770 words\n",
                      [](sim::Board& b) { b.fpga().SetBankWord(1, 1, 1); },
                      "verify afe: mismatch at 0x8001 bank 1: wrote 0x8001, read 0x0001\n"
                      "verify afe: 1 mismatch\n"},
        // From the start field on, wrapping to 0: window words in the current bank.
        RoundTripCase{"Ep1outWrapping", IDC_EP1OUT_FILE_LOAD, Table::Ep1out,
                      Raw(41, [](int i) { return i; }), "fff0", "verified 20 words\n",
                      [](sim::Board& b) { b.fpga().SetBankWord(0x34, 0x7FF5, 0); },
                      "verify ep1out: mismatch at 0xfff5: wrote 0x0b0a, read 0x0000\n"
                      "verify ep1out: 1 mismatch\n"},
        RoundTripCase{"FirmwareInTwoChips", IDC_LOAD_FIRMWARE, Table::Firmware,
                      Raw(65540, [](int i) { return i * 7; }), "", "verified 65540 bytes\n",
                      [](sim::Board& b) { b.eeprom(1).SetByte(2, 0); },
                      "verify firmware: mismatch at 0x10002: wrote 0x0e, read 0x00\n"
                      "verify firmware: 1 mismatch\n"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Readback, BankRegisterIsReadFirstAndWrittenBackLast) {
  TempDir dir;
  const std::string path = dir.Write("log.txt", "1\n2\n3\n");
  support::Console console;
  ASSERT_TRUE(console.Open());
  console.host.QueueFile(path);
  console.host.Click(IDC_LOGARITHM_LOAD);
  console.sim.board().fpga().PresetRegister(4, 0x1203);
  console.TakeRequests();
  std::ostringstream out;
  EXPECT_TRUE(VerifyLoad(*console.dialog, {Table::Log, path}, "", {}, out, out));
  EXPECT_EQ(out.str(), "verified 3 words\n");
  EXPECT_EQ(console.TakeRequests(),
            (std::vector<Request>{FpgaGet(4), FpgaSet(4, 0x1205), FpgaGet(0x8000), FpgaGet(0x8001),
                                  FpgaGet(0x8002), FpgaSet(4, 0x1203)}));
}

TEST(Readback, EepromSaveReadsInPiecesThatStayInsideAChip) {
  TempDir dir;
  support::Console console({"eeprom.0.fffc=01020304", "eeprom.1.0=05060708090a0b0c"});
  ASSERT_TRUE(console.Open());
  console.TakeRequests();
  std::ostringstream err;
  EXPECT_TRUE(SaveEeprom(*console.dialog, {0xFFFC, 11, dir.File("e.bin")}, {8, nullptr}, err));
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(ReadFile(dir.File("e.bin")), "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b");
  EXPECT_EQ(console.TakeRequests(),
            (std::vector<Request>{I2cWrite(0x50, {0xFF, 0xFC}), I2cRead(0x50, Bytes(4)),
                                  I2cWrite(0x51, {0x00, 0x00}), I2cRead(0x51, Bytes(7))}));
}

TEST(Readback, FpgaSaveOfABankPutsTheBankRegisterBack) {
  TempDir dir;
  support::Console console({"reg.4=0203"});
  ASSERT_TRUE(console.Open());
  console.sim.board().fpga().SetBankWord(6, 0, 0xFFFF);
  console.sim.board().fpga().SetBankWord(6, 1, 7);
  console.TakeRequests();
  std::ostringstream err;
  EXPECT_TRUE(SaveFpga(*console.dialog, {0x8000, 2, 6, dir.File("b.txt")}, {}, err));
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(ReadFile(dir.File("b.txt")), "65535\n7\n");
  EXPECT_EQ(console.TakeRequests(),
            (std::vector<Request>{FpgaGet(4), FpgaSet(4, 0x0206), FpgaGet(0x8000), FpgaGet(0x8001),
                                  FpgaSet(4, 0x0203)}));
}

// A save or verify that cannot do its work says why and leaves no file.
struct RefusalCase {
  const char* name;
  std::vector<std::string> settings;
  std::function<bool(CVeltaEditorDlg&, const std::string& dir, std::ostream&)> run;
  const char* err; // "DIR" stands for the test's directory
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
  *os << c.name;
}

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, SaysWhy) {
  TempDir dir;
  support::Console console(GetParam().settings);
  ASSERT_TRUE(console.Open());
  std::ostringstream err;
  EXPECT_FALSE(GetParam().run(*console.dialog, dir.path(), err));
  std::string expected = GetParam().err;
  if (const auto at = expected.find("DIR"); at != std::string::npos)
    expected.replace(at, 3, dir.path());
  EXPECT_EQ(err.str(), expected);
  EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
  EXPECT_EQ(console.sim.board().fpga().Register(4), 0x0203);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusal,
    ::testing::Values(
        RefusalCase{"FpgaReadFails",
                    {"reg.4=0203", "fail=fpga-get:8001"},
                    [](CVeltaEditorDlg& d, const std::string& dir, std::ostream& err) {
                      return SaveFpga(d, {0x8000, 4, 6, dir + "/out"}, {}, err);
                    },
                    "fpga save: read failed at 0x8001 bank 6; DIR/out not written\n"},
        RefusalCase{"EepromChipAbsent",
                    {"reg.4=0203", "i2c-absent=51"},
                    [](CVeltaEditorDlg& d, const std::string& dir, std::ostream& err) {
                      return SaveEeprom(d, {0xFFF0, 32, dir + "/out"}, {}, err);
                    },
                    "eeprom save: read failed at 0x10000; DIR/out not written\n"},
        RefusalCase{"FileCannotBeWritten",
                    {"reg.4=0203"},
                    [](CVeltaEditorDlg& d, const std::string& dir, std::ostream& err) {
                      return SaveFpga(d, {0, 1, std::nullopt, dir + "/no/out"}, {}, err);
                    },
                    "fpga save: cannot write DIR/no/out\n"},
        RefusalCase{"ApodOfTheWrongCount",
                    {"reg.4=0203"},
                    [](CVeltaEditorDlg& d, const std::string& dir, std::ostream& err) {
                      std::ofstream(dir + "/a.txt") << "1 2 3\n";
                      std::ostringstream out;
                      return VerifyLoad(d, {Table::Apod, dir + "/a.txt"}, "", {}, out, err);
                    },
                    "verify apod: DIR/a.txt does not hold 8192 numbers: its load writes nothing\n"},
        RefusalCase{"AfeWithoutFile",
                    {"reg.4=0203"},
                    [](CVeltaEditorDlg& d, const std::string& dir, std::ostream& err) {
                      std::ostringstream out;
                      return VerifyLoad(d, {Table::Afe, dir + "/none"}, "", {}, out, err);
                    },
                    "verify afe: cannot read DIR/none (missing, empty or over 16777216 bytes)\n"},
        RefusalCase{"BankCannotBeSelected",
                    {"reg.4=0203", "fail=fpga-set:4"},
                    [](CVeltaEditorDlg& d, const std::string& dir, std::ostream& err) {
                      return SaveFpga(d, {0x8000, 1, 6, dir + "/out"}, {}, err);
                    },
                    "fpga save: cannot select bank 6; DIR/out not written\n"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Readback, ProgressLineAppearsAfterASecondAndEndsItsLine) {
  std::ostringstream out;
  auto now = std::chrono::steady_clock::time_point{};
  {
    ProgressLine line(&out, "verify log", [&] { return now; });
    line.Update(1, 4);
    now += std::chrono::milliseconds(999);
    line.Update(1, 4);
    EXPECT_EQ(out.str(), "");
    now += std::chrono::milliseconds(1);
    line.Update(2, 4);
    line.Update(2, 4);
    line.Update(4, 4);
  }
  EXPECT_EQ(out.str(), "\rverify log: 50 %\rverify log: 100 %\n");
}

// The program end to end.
TEST(ReadbackRun, LoadWithVerifyThenAChangedWordOfBank6) {
  TempDir dir;
  const std::string small = dir.Write("log4096.txt", Lines(4096, [](int i) { return i; }));
  const Outcome loaded = Launch({"--virtual-time", "load", "log", small, "--verify"});
  EXPECT_EQ(loaded.status, 0) << loaded.err;
  EXPECT_EQ(loaded.out, "verified 4096 words\n");
  const std::string both = dir.Write("log.txt", Lines(32800, [](int i) { return i; }));
  const Outcome changed =
      Launch({"--virtual-time", "load", "log", both, ";", "fpga", "write", "4", "6", ";", "fpga",
              "write", "8005", "1", ";", "verify", "log", both});
  EXPECT_EQ(changed.status, 1);
  EXPECT_EQ(changed.out, "");
  EXPECT_EQ(changed.err, "verify log: mismatch at 0x8005 bank 6: wrote 0x8005, read 0x0001\n"
                         "verify log: 1 mismatch\n");
}

TEST(ReadbackRun, SavesLoadBackAsTheyWere) {
  TempDir dir;
  const std::string image = dir.Write("fw.bin", Raw(100, [](int i) { return 255 - i; }));
  const std::string apod = dir.Write("apod.txt", Lines(8192, [](int i) { return i - 4096; }));
  const Outcome saved = Launch({"--virtual-time", "load", "firmware", image, ";", "firmware",
                                "save", "100", dir.File("fw-saved.bin"), ";", "load", "apod", apod,
                                ";", "fpga", "save", "4000", "8192", dir.File("apod-saved.txt")});
  EXPECT_EQ(saved.status, 0) << saved.err;
  EXPECT_EQ(ReadFile(dir.File("fw-saved.bin")), ReadFile(image));
  // A fresh board: the saved filter loads as the original.
  const Outcome reloaded = Launch(
      {"--virtual-time", "load", "apod", dir.File("apod-saved.txt"), ";", "verify", "apod", apod});
  EXPECT_EQ(reloaded.status, 0) << reloaded.err;
  EXPECT_EQ(reloaded.out, "verified 8192 words\n");
}

TEST(ReadbackRun, VerifyTfcIsAUsageError) {
  const Outcome r = Launch({"verify", "tfc", "t.txt"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, std::string("velta-cli: verify tfc t.txt: ") + kTfcRefusal + "\n" +
                       std::string(kUsageLine) + "\n");
}

} // namespace
} // namespace cli
