#include <gtest/gtest.h>

#include "loader_fixture.hpp"
#include "support/case_names.hpp"

namespace {

Bytes Counting(std::size_t n) {
  Bytes bytes(n);
  for (std::size_t i = 0; i < n; ++i)
    bytes[i] = static_cast<std::uint8_t>(i * 13 + 1);
  return bytes;
}

std::uint16_t Word(const Bytes& file, std::size_t k) {
  return static_cast<std::uint16_t>(file[2 * k] | file[2 * k + 1] << 8);
}

using FirmwareLoader = LoaderTest;

TEST_F(FirmwareLoader, ThirtyThreeBytesGoOutInTwoPausedWritesWithProgress) {
  Start();
  const Bytes image = Counting(33);
  Load(IDC_LOAD_FIRMWARE, WriteFile("fw.bin", image));
  Bytes first{0x00, 0x00};
  first.insert(first.end(), image.begin(), image.begin() + 32);
  ExpectTrace({Pause{20}, I2cWriteCall(0x50, first), Pause{20},
               I2cWriteCall(0x50, Bytes{0x00, 0x20, image[32]})});
  for (std::size_t i = 0; i < image.size(); ++i)
    EXPECT_EQ(sim->board().eeprom(0).Byte(static_cast<std::uint16_t>(i)), image[i]) << i;
  EXPECT_EQ(host.positions, (std::vector<int>{96, 100}));
  EXPECT_EQ(host.progressTexts, (std::vector<std::string>{"96 %", "100 %"}));
  EXPECT_EQ(host.repaints,
            (std::vector<int>{IDC_PROGRESS, IDC_PROGRESS_TEXT, IDC_PROGRESS, IDC_PROGRESS_TEXT}));
  ASSERT_EQ(host.fileDialogs().size(), 1u);
  EXPECT_EQ(host.fileDialogs()[0].filter, "");
  EXPECT_EQ(host.fileDialogs()[0].defaultExtension, "");
  EXPECT_EQ(host.fileDialogs()[0].flags, dlg::OFN_HIDEREADONLY | dlg::OFN_OVERWRITEPROMPT);
  EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(FirmwareLoader, AnImagePast64KibSpillsIntoTheNextEeprom) {
  Start();
  const Bytes image = Counting(65537);
  Load(IDC_LOAD_FIRMWARE, WriteFile("fw.bin", image));
  const auto calls = Calls();
  ASSERT_EQ(calls.size(), 2049u);
  EXPECT_EQ(calls.back().property, I2cWriteCall(0x51, Bytes(3)).property);
  EXPECT_EQ(calls.back().data, (Bytes{0x00, 0x00, image[65536]}));
  for (std::size_t i = 0; i < 65536; ++i)
    ASSERT_EQ(sim->board().eeprom(0).Byte(static_cast<std::uint16_t>(i)), image[i]) << i;
  EXPECT_EQ(sim->board().eeprom(1).Byte(0), image[65536]);
  std::size_t pauses = 0;
  for (const auto& e : recorder->trace().events())
    pauses += std::holds_alternative<ks::SleepEvent>(e) ? 1 : 0;
  EXPECT_EQ(pauses, 2049u);
  EXPECT_EQ(host.positions.size(), 100u);
  EXPECT_EQ(host.State(IDC_PROGRESS_TEXT).text, "100 %");
}

TEST_F(FirmwareLoader, ASecondSmallUploadLeavesTheProgressAlone) {
  Start();
  Load(IDC_LOAD_FIRMWARE, WriteFile("a.bin", Counting(10)));
  host.positions.clear();
  host.progressTexts.clear();
  Load(IDC_LOAD_FIRMWARE, WriteFile("b.bin", Counting(32)));
  EXPECT_EQ(Calls().size(), 2u);
  EXPECT_TRUE(host.positions.empty());
  EXPECT_TRUE(host.progressTexts.empty());
  EXPECT_EQ(host.State(IDC_PROGRESS).position, 100);
}

TEST_F(FirmwareLoader, FailedWritesDoNotStopTheUpload) {
  Start({"i2c-absent=50"});
  Load(IDC_LOAD_FIRMWARE, WriteFile("fw.bin", Counting(100)));
  const auto calls = Calls();
  ASSERT_EQ(calls.size(), 4u);
  for (const auto& c : calls)
    EXPECT_TRUE(ks::Failed(c.hr));
  EXPECT_EQ(host.positions, (std::vector<int>{32, 64, 96, 100}));
}

TEST_F(FirmwareLoader, ImagesPast512KibAreRefused) {
  Start();
  Load(IDC_LOAD_FIRMWARE, SizedFile("big.bin", 512 * 1024 + 1));
  EXPECT_TRUE(recorder->trace().events().empty());
  ASSERT_EQ(host.messageBoxes().size(), 1u);
  EXPECT_EQ(host.messageBoxes()[0].text, "Firmware image is larger than 512 KiB");
  EXPECT_EQ(host.messageBoxes()[0].caption, host.AppName());
  EXPECT_EQ(host.messageBoxes()[0].type, dlg::MB_ICONERROR);
}

// Situations where no loader may send anything nor show a message.
struct NothingCase {
  int button;
  const char* file; // "" empty file, "-" cancel, "dir" the folder, "missing"
};

class RawNothing : public LoaderTest, public ::testing::WithParamInterface<NothingCase> {};

TEST_P(RawNothing, SendsNothing) {
  Start();
  const std::string file = GetParam().file;
  if (file == "-")
    host.QueueFile(std::nullopt);
  else if (file == "dir")
    host.QueueFile(dir.string());
  else if (file == "missing")
    host.QueueFile((dir / "missing.bin").string());
  else
    host.QueueFile(WriteFile("empty.bin", std::string()));
  host.Click(GetParam().button);
  EXPECT_TRUE(recorder->trace().events().empty());
  EXPECT_TRUE(host.messageBoxes().empty());
  EXPECT_TRUE(host.positions.empty());
  EXPECT_EQ(host.fileDialogs().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RawNothing,
    ::testing::Values(
        NothingCase{IDC_LOAD_FIRMWARE, ""}, NothingCase{IDC_LOAD_FIRMWARE, "-"},
        NothingCase{IDC_LOAD_FIRMWARE, "dir"}, NothingCase{IDC_LOAD_FIRMWARE, "missing"},
        NothingCase{IDC_EP1OUT_FILE_LOAD, ""}, NothingCase{IDC_EP1OUT_FILE_LOAD, "-"},
        NothingCase{IDC_EP1OUT_FILE_LOAD, "dir"}, NothingCase{IDC_EP1OUT_FILE_LOAD, "missing"},
        NothingCase{IDC_AFE_TABLE_FILE_LOAD, ""}, NothingCase{IDC_AFE_TABLE_FILE_LOAD, "-"},
        NothingCase{IDC_AFE_TABLE_FILE_LOAD, "dir"},
        NothingCase{IDC_AFE_TABLE_FILE_LOAD, "missing"}),
    support::NamedBy([](const NothingCase& c) { return std::to_string(c.button) + " " + c.file; }));

class RawNoChannel : public LoaderTest, public ::testing::WithParamInterface<int> {};

TEST_P(RawNoChannel, ShowsNoFileDialog) {
  Start({"boards=0"}, false);
  host.QueueFile(WriteFile("x.bin", Counting(8)));
  host.Click(GetParam());
  EXPECT_TRUE(host.fileDialogs().empty());
  EXPECT_TRUE(recorder->trace().events().empty());
}

INSTANTIATE_TEST_SUITE_P(Buttons, RawNoChannel,
                         ::testing::Values(IDC_LOAD_FIRMWARE, IDC_EP1OUT_FILE_LOAD,
                                           IDC_AFE_TABLE_FILE_LOAD),
                         support::NamedBy([](int button) { return std::to_string(button); }));

struct Ep1outCase {
  const char* field;
  std::size_t size;
  std::vector<std::uint16_t> addresses;
};

class Ep1outLoader : public LoaderTest, public ::testing::WithParamInterface<Ep1outCase> {};

TEST_P(Ep1outLoader, WritesWordsFromTheStartAddressInOneBlock) {
  Start();
  const Bytes file = Counting(GetParam().size);
  host.Type(IDC_EP1OUT_START, GetParam().field);
  Load(IDC_EP1OUT_FILE_LOAD, WriteFile("data.bin", file));
  Bytes pairs;
  for (std::size_t i = 0; i < GetParam().addresses.size(); ++i)
    AppendPair(pairs, GetParam().addresses[i], Word(file, i));
  ExpectTrace({PairsCall(pairs)});
  EXPECT_EQ(Calls()[0].hr, ks::S_OK);
  for (std::size_t i = 0; i < GetParam().addresses.size(); ++i)
    EXPECT_EQ(sim->board().fpga().Register(GetParam().addresses[i]), Word(file, i));
  EXPECT_EQ(host.State(IDC_FILE_NAME).text, "File Name to Load:");
}

INSTANTIATE_TEST_SUITE_P(Files, Ep1outLoader,
                         ::testing::Values(Ep1outCase{"100", 6, {0x100, 0x101, 0x102}},
                                           Ep1outCase{"", 5, {0, 1}}, Ep1outCase{"zz", 4, {0, 1}},
                                           Ep1outCase{"100", 1, {}},
                                           Ep1outCase{"1F000", 2, {0xF000}},
                                           Ep1outCase{"FFFE", 6, {0xFFFE, 0xFFFF, 0x0000}}),
                         support::NamedBy([](const Ep1outCase& c) {
                           return std::string(c.field) + " " + std::to_string(c.size);
                         }));

TEST_F(LoaderTest, Ep1outFilesPast32767BytesGoInBlocksThatFitTheLengthField) {
  Start();
  const Bytes file = Counting(40001);
  host.Type(IDC_EP1OUT_START, "1000");
  Load(IDC_EP1OUT_FILE_LOAD, WriteFile("data.bin", file));
  const auto calls = Calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].property, PairsCall(Bytes(65532)).property);
  EXPECT_EQ(calls[1].property, PairsCall(Bytes(4 * (20000 - 16383))).property);
  EXPECT_EQ(calls[1].data[0] | calls[1].data[1] << 8, 0x1000 + 16383);
  for (const auto& c : calls)
    EXPECT_EQ(c.hr, ks::S_OK);
  for (std::size_t k = 0; k < 20000; ++k)
    ASSERT_EQ(sim->board().fpga().Register(static_cast<std::uint16_t>(0x1000 + k)), Word(file, k))
        << k;
}

class AfeLoader : public LoaderTest {
protected:
  // The table as the board holds it, word by word from bank 0.
  void ExpectTable(const Bytes& file) {
    for (std::size_t k = 0; k < file.size() / 2; ++k)
      ASSERT_EQ(sim->board().fpga().BankWord(static_cast<std::uint8_t>(k / 32768),
                                             static_cast<std::uint16_t>(k % 32768)),
                Word(file, k))
          << k;
  }
  // The 32 full blocks of bank 0.
  static void AddFullBank(std::vector<Expected>& trace, const Bytes& file) {
    for (std::size_t b = 0; b < 32; ++b) {
      Bytes pairs;
      for (std::size_t j = 0; j < 1024; ++j)
        AppendPair(pairs, static_cast<std::uint16_t>(0x8000 + b * 1024 + j),
                   Word(file, b * 1024 + j));
      trace.push_back(PairsCall(pairs));
    }
  }
};

TEST_F(AfeLoader, TwoBytesGiveEightCopiesOfOnePair) {
  Start({"reg.4=1234"});
  const Bytes file{0xCD, 0xAB};
  Load(IDC_AFE_TABLE_FILE_LOAD, WriteFile("afe.bin", file));
  ExpectTrace({FpgaGet(4, 0x1234), FpgaSet(4, 0x1200), PairsCall(Repeat(0x8000, 0xABCD, 8))});
  EXPECT_EQ(sim->board().fpga().BankWord(0, 0), 0xABCD);
  EXPECT_EQ(sim->board().fpga().Register(4), 0x1200);
}

TEST_F(AfeLoader, TwentyBytesGiveTenPairs) {
  Start({"reg.4=1200"});
  const Bytes file = Counting(20);
  host.Type(IDC_EP1OUT_START, "4000");
  Load(IDC_AFE_TABLE_FILE_LOAD, WriteFile("afe.bin", file));
  Bytes pairs;
  for (std::size_t k = 0; k < 10; ++k)
    AppendPair(pairs, static_cast<std::uint16_t>(0x8000 + k), Word(file, k));
  ExpectTrace({FpgaGet(4, 0x1200), PairsCall(Repeat(4, 0x1200, 8)), PairsCall(pairs)});
  ExpectTable(file);
}

TEST_F(AfeLoader, AFullBankEndsWithAReadAndNoWrite) {
  Start({"reg.4=1234"});
  const Bytes file = Counting(65536);
  Load(IDC_AFE_TABLE_FILE_LOAD, WriteFile("afe.bin", file));
  std::vector<Expected> trace{FpgaGet(4, 0x1234), FpgaSet(4, 0x1200)};
  AddFullBank(trace, file);
  trace.push_back(FpgaGet(4, 0x1200));
  ExpectTrace(trace);
  ExpectTable(file);
}

TEST_F(AfeLoader, OneWordPastABankSelectsTheNextBankKeepingTheHighByte) {
  Start({"reg.4=1234"});
  const Bytes file = Counting(65538);
  Load(IDC_AFE_TABLE_FILE_LOAD, WriteFile("afe.bin", file));
  std::vector<Expected> trace{FpgaGet(4, 0x1234), FpgaSet(4, 0x1200)};
  AddFullBank(trace, file);
  trace.push_back(FpgaGet(4, 0x1200));
  trace.push_back(FpgaSet(4, 0x1201));
  trace.push_back(PairsCall(Repeat(0x8000, Word(file, 32768), 8)));
  ExpectTrace(trace);
  ExpectTable(file);
  EXPECT_EQ(sim->board().fpga().Register(4), 0x1201);
}

TEST_F(AfeLoader, FilesPast16MibAreRefused) {
  Start();
  Load(IDC_AFE_TABLE_FILE_LOAD, SizedFile("big.bin", 16 * 1024 * 1024 + 1));
  EXPECT_TRUE(recorder->trace().events().empty());
  ASSERT_EQ(host.messageBoxes().size(), 1u);
  EXPECT_EQ(host.messageBoxes()[0].text, "AFE table file is larger than 16 MiB");
  EXPECT_EQ(host.messageBoxes()[0].caption, host.AppName());
  EXPECT_EQ(host.messageBoxes()[0].type, dlg::MB_ICONERROR);
}

// Failure rows: (settings, file size, calls made before the load, expected
// number of calls, bank register at the end).
struct AfeFailure {
  std::vector<std::string> settings;
  std::size_t failCallOfLoad; // 0: none; else the load's Nth call fails
  std::size_t size;
  std::size_t calls;
  std::uint16_t bank;
};

class AfeFailures : public AfeLoader, public ::testing::WithParamInterface<AfeFailure> {};

TEST_P(AfeFailures, StopWhereTheUploadMustStop) {
  Start(GetParam().settings);
  if (GetParam().failCallOfLoad != 0)
    sim->faults().FailCall(CallsSoFar() + GetParam().failCallOfLoad);
  Load(IDC_AFE_TABLE_FILE_LOAD, WriteFile("afe.bin", Counting(GetParam().size)));
  EXPECT_EQ(Calls().size(), GetParam().calls);
  EXPECT_EQ(sim->board().fpga().Register(4), GetParam().bank);
}

INSTANTIATE_TEST_SUITE_P(Rows, AfeFailures,
                         ::testing::Values(
                             // The first bank register read fails: nothing else.
                             AfeFailure{{"reg.4=1234", "fail=fpga-get:4"}, 0, 20, 1, 0x1234},
                             // The write selecting bank 0 fails: no table data.
                             AfeFailure{{"reg.4=1234", "fail=fpga-set:4"}, 0, 20, 2, 0x1234},
                             // A failed bank register block is ignored.
                             AfeFailure{{"reg.4=1200", "fail=pairs:1"}, 0, 20, 3, 0x1200},
                             // A table block fails: the upload stops there.
                             AfeFailure{{"reg.4=1234", "fail=pairs:2"}, 0, 65538, 4, 0x1200},
                             // The read at the bank change fails.
                             AfeFailure{{"reg.4=1234"}, 35, 65538, 35, 0x1200},
                             // The write at the bank change fails.
                             AfeFailure{{"reg.4=1234"}, 36, 65538, 36, 0x1200}),
                         support::NamedBy([](const AfeFailure& c) {
                           return support::Joined(c.settings);
                         }));

} // namespace
