#include <gtest/gtest.h>

#include "loader_fixture.hpp"
#include "support/case_names.hpp"

namespace {

// count numbers (i * 5 - 9), perLine to a line, CR LF ends, no final line end.
std::string Numbers(std::size_t count, std::size_t perLine) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    if (i != 0)
      text += i % perLine == 0 ? "\r\n" : " ";
    text += std::to_string(static_cast<long>(i) * 5 - 9);
  }
  return text;
}
std::uint16_t Value(std::size_t i) {
  return static_cast<std::uint16_t>(i * 5 - 9);
}

std::size_t CountPauses(const ks::Trace& trace, std::uint32_t ms) {
  std::size_t n = 0;
  for (const auto& e : trace.events())
    if (const auto* s = std::get_if<ks::SleepEvent>(&e))
      n += s->ms == ms ? 1 : 0;
  return n;
}

using ApodLoader = LoaderTest;

TEST_F(ApodLoader, ExactlyTheFilterGoesOutInOneBlock) {
  Start();
  Load(IDC_APOD_FILTER_LOAD, WriteFile("apod.txt", "heading\r\n\r\n" + Numbers(8192, 128)));
  Bytes pairs;
  for (std::size_t i = 0; i < 8192; ++i)
    AppendPair(pairs, static_cast<std::uint16_t>(0x4000 + i), Value(i));
  ExpectTrace({PairsCall(pairs)});
  for (std::uint16_t i = 0; i < 8192; ++i)
    ASSERT_EQ(sim->board().fpga().ApodWord(i), Value(i)) << i;
  EXPECT_TRUE(host.messageBoxes().empty());
  ASSERT_EQ(host.fileDialogs().size(), 1u);
  EXPECT_EQ(host.fileDialogs()[0].filter, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||");
  EXPECT_EQ(host.fileDialogs()[0].defaultExtension, "txt");
  EXPECT_EQ(host.fileDialogs()[0].flags, 0u);
  EXPECT_EQ(host.waitCursorCount(), 1);
  EXPECT_EQ(host.waitCursorDepth(), 0);
}

class ApodWrongCount : public LoaderTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(ApodWrongCount, IsRefusedWithItsMessage) {
  Start();
  Load(IDC_APOD_FILTER_LOAD, WriteFile("apod.txt", Numbers(GetParam(), 64)));
  EXPECT_TRUE(recorder->trace().events().empty());
  ASSERT_EQ(host.messageBoxes().size(), 1u);
  EXPECT_EQ(host.messageBoxes()[0].text, "Bad data in apodization filter");
  EXPECT_EQ(host.messageBoxes()[0].caption, host.AppName());
  EXPECT_EQ(host.messageBoxes()[0].type, dlg::MB_OK);
  EXPECT_EQ(host.waitCursorDepth(), 0);
}

INSTANTIATE_TEST_SUITE_P(Counts, ApodWrongCount, ::testing::Values(0u, 8191u, 8193u, 20000u),
                         support::NamedBy([](unsigned n) { return std::to_string(n); }));

// Nothing sent, no message: cancel, missing file, a folder, no channel.
struct QuietCase {
  int button;
  const char* file;
  bool channel;
  std::size_t dialogs;
};

class TextQuiet : public LoaderTest, public ::testing::WithParamInterface<QuietCase> {};

TEST_P(TextQuiet, SendsNothingAndSaysNothing) {
  Start(GetParam().channel ? std::vector<std::string>{} : std::vector<std::string>{"boards=0"},
        GetParam().channel);
  const std::string file = GetParam().file;
  if (file == "-")
    host.QueueFile(std::nullopt);
  else if (file == "dir")
    host.QueueFile(dir.string());
  else if (file == "missing")
    host.QueueFile((dir / "missing.txt").string());
  else
    host.QueueFile(WriteFile("t.txt", Numbers(8192, 8)));
  host.Click(GetParam().button);
  EXPECT_TRUE(recorder->trace().events().empty());
  EXPECT_TRUE(host.messageBoxes().empty());
  EXPECT_EQ(host.fileDialogs().size(), GetParam().dialogs);
  EXPECT_EQ(host.waitCursorCount(), file == "-" || GetParam().dialogs == 0 ? 0 : 1);
  EXPECT_EQ(host.waitCursorDepth(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextQuiet,
                         ::testing::Values(QuietCase{IDC_APOD_FILTER_LOAD, "-", true, 1},
                                           QuietCase{IDC_APOD_FILTER_LOAD, "missing", true, 1},
                                           QuietCase{IDC_APOD_FILTER_LOAD, "dir", true, 1},
                                           QuietCase{IDC_APOD_FILTER_LOAD, "ok", false, 1},
                                           QuietCase{IDC_LOGARITHM_LOAD, "-", true, 1},
                                           QuietCase{IDC_LOGARITHM_LOAD, "missing", true, 1},
                                           QuietCase{IDC_LOGARITHM_LOAD, "dir", true, 1},
                                           QuietCase{IDC_LOGARITHM_LOAD, "ok", false, 1},
                                           QuietCase{IDC_TFC_LOAD, "-", true, 1},
                                           QuietCase{IDC_TFC_LOAD, "missing", true, 1},
                                           QuietCase{IDC_TFC_LOAD, "dir", true, 1},
                                           QuietCase{IDC_TFC_LOAD, "ok", false, 0}),
                         support::NamedBy([](const QuietCase& c) {
                           return std::to_string(c.button) + " " + c.file +
                                  (c.channel ? "" : " no channel");
                         }));

using LogLoader = LoaderTest;

TEST_F(LogLoader, BothBanksFillAndEachTransferIsFollowedByAPause) {
  Start({"reg.4=ab00"});
  Load(IDC_LOGARITHM_LOAD, WriteFile("log.txt", Numbers(70000, 100)));
  const auto calls = Calls();
  ASSERT_EQ(calls.size(), 257u);
  const auto& events = recorder->trace().events();
  ASSERT_EQ(events.size(), 2 * 257u);
  for (std::size_t i = 0; i < events.size(); i += 2) {
    ASSERT_TRUE(std::holds_alternative<ks::PropertyEvent>(events[i])) << i;
    const auto* pause = std::get_if<ks::SleepEvent>(&events[i + 1]);
    ASSERT_NE(pause, nullptr);
    EXPECT_EQ(pause->ms, 1u);
  }
  for (std::size_t i = 0; i < 256; ++i) {
    EXPECT_EQ(calls[i].property, PairsCall(Bytes(1024)).property);
    EXPECT_EQ(calls[i].hr, ks::S_OK);
  }
  EXPECT_EQ(calls.back().property, PairsCall(Bytes(32)).property);
  Bytes last;
  AppendPair(last, 0xFFFE, Value(65534));
  AppendPair(last, 0xFFFF, Value(65535));
  for (std::size_t i = 2; i < 8; ++i)
    AppendPair(last, static_cast<std::uint16_t>(0xFF00 + i - 2), Value(65280 + i - 2));
  EXPECT_EQ(calls.back().data, last);
  for (std::size_t i = 0; i < 32768; ++i) {
    ASSERT_EQ(sim->board().fpga().BankWord(5, static_cast<std::uint16_t>(i)), Value(i)) << i;
    ASSERT_EQ(sim->board().fpga().BankWord(6, static_cast<std::uint16_t>(i)), Value(32768 + i))
        << i;
  }
  EXPECT_EQ(sim->board().fpga().Register(4), 6);
  EXPECT_EQ(host.waitCursorCount(), 1);
}

TEST_F(LogLoader, HalfATableStaysInBankFive) {
  Start();
  Load(IDC_LOGARITHM_LOAD, WriteFile("log.txt", Numbers(32768, 1) + "\n"));
  const auto calls = Calls();
  ASSERT_EQ(calls.size(), 129u);
  EXPECT_EQ(calls.back().data.size(), 32u);
  EXPECT_EQ(calls.back().data[0] | calls.back().data[1] << 8, 0xFFFF);
  EXPECT_EQ(CountPauses(recorder->trace(), 1), 129u);
  EXPECT_EQ(sim->board().fpga().Register(4), 5);
  EXPECT_EQ(sim->board().fpga().BankWord(5, 0x7FFF), Value(32767));
  EXPECT_FALSE(sim->board().fpga().BankAllocated(6));
}

TEST_F(LogLoader, ThreeNumbersFillTheirTransferWithTheLastPair) {
  Start();
  Load(IDC_LOGARITHM_LOAD, WriteFile("log.txt", "7 -1\n65536"));
  Bytes data;
  AppendPair(data, 4, 5);
  AppendPair(data, 0x8000, 7);
  AppendPair(data, 0x8001, 0xFFFF);
  for (int i = 0; i < 5; ++i)
    AppendPair(data, 0x8002, 0);
  ExpectTrace({PairsCall(data), Pause{1}});
  EXPECT_EQ(sim->board().fpga().BankWord(5, 1), 0xFFFF);
}

TEST_F(LogLoader, NoNumbersSendNothing) {
  Start({"reg.4=0102"});
  Load(IDC_LOGARITHM_LOAD, WriteFile("log.txt", "no numbers\n\n"));
  EXPECT_TRUE(recorder->trace().events().empty());
  EXPECT_EQ(sim->board().fpga().Register(4), 0x0102);
}

TEST_F(LogLoader, FailedTransfersDoNotStopTheLoad) {
  Start({"fail=pairs"});
  Load(IDC_LOGARITHM_LOAD, WriteFile("log.txt", Numbers(1000, 10)));
  const auto calls = Calls();
  ASSERT_EQ(calls.size(), 4u);
  for (const auto& c : calls)
    EXPECT_TRUE(ks::Failed(c.hr));
  EXPECT_EQ(CountPauses(recorder->trace(), 1), 4u);
}

class TfcLoader : public LoaderTest {
protected:
  static Bytes Half(const std::vector<std::vector<std::int32_t>>& rows, std::size_t firstRow) {
    Bytes out;
    for (std::size_t r = firstRow; r < firstRow + 4; ++r) {
      for (std::size_t c = 0; c < 32; ++c) {
        const auto value =
            r < rows.size() && c < rows[r].size() ? static_cast<std::uint32_t>(rows[r][c]) : 0u;
        const auto m = static_cast<std::uint16_t>(0x200 + 64 * (r % 8) + 2 * c);
        AppendPair(out, m, static_cast<std::uint16_t>(value));
        AppendPair(out, static_cast<std::uint16_t>(m + 1), static_cast<std::uint16_t>(value >> 16));
      }
    }
    return out;
  }
  static Bytes Commit(std::uint16_t c) {
    Bytes out = Repeat(7, c, 4);
    const Bytes high = Repeat(7, static_cast<std::uint16_t>(c | 0x8000), 2);
    out.insert(out.end(), high.begin(), high.end());
    const Bytes tail = Repeat(7, c, 2);
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
  }
};

TEST_F(TfcLoader, NineLinesMakeTwoCommittedBlocks) {
  Start({"reg.7=ffff"});
  std::vector<std::vector<std::int32_t>> rows;
  std::string text;
  for (int r = 0; r < 9; ++r) {
    rows.push_back({r, -1, 65536, -65536, r * 1000});
    text += std::to_string(r) + " -1 65536 -65536 " + std::to_string(r * 1000) + "\r\n";
  }
  Load(IDC_TFC_LOAD, WriteFile("tfc.txt", text));
  const std::vector<std::vector<std::int32_t>> second(rows.begin() + 8, rows.end());
  ExpectTrace({FpgaGet(7, 0xFFFF), PairsCall(Half(rows, 0)), PairsCall(Half(rows, 4)),
               PairsCall(Commit(0x7F00)), Pause{1}, PairsCall(Half(second, 0)),
               PairsCall(Half(second, 4)), PairsCall(Commit(0x7F01)), Pause{1}});
  for (std::size_t r = 0; r < 9; ++r) {
    for (std::size_t c = 0; c < 5; ++c) {
      const auto value = static_cast<std::uint32_t>(rows[r][c]);
      const std::size_t index = 64 * (r % 8) + 2 * c;
      EXPECT_EQ(sim->board().fpga().TfcWord(r / 8, index), static_cast<std::uint16_t>(value));
      EXPECT_EQ(sim->board().fpga().TfcWord(r / 8, index + 1),
                static_cast<std::uint16_t>(value >> 16));
    }
  }
  EXPECT_EQ(sim->board().fpga().TfcWord(1, 64), 0);
  EXPECT_EQ(sim->board().fpga().Register(7), 0x7F01);
  EXPECT_EQ(host.waitCursorCount(), 1);
}

struct TfcLinesCase {
  std::size_t lines;
  std::size_t blocks;
};

class TfcLineCounts : public TfcLoader, public ::testing::WithParamInterface<TfcLinesCase> {};

TEST_P(TfcLineCounts, SendThreeTransfersAndAPausePerBlock) {
  Start({"reg.7=1234"});
  std::string text;
  for (std::size_t i = 0; i < GetParam().lines; ++i)
    text += std::to_string(i + 1) + "\n";
  Load(IDC_TFC_LOAD, WriteFile("tfc.txt", text));
  const auto calls = Calls();
  ASSERT_EQ(calls.size(), 1 + 3 * GetParam().blocks);
  EXPECT_EQ(CountPauses(recorder->trace(), 1), GetParam().blocks);
  for (std::size_t b = 0; b < GetParam().blocks; ++b) {
    EXPECT_EQ(calls[3 + 3 * b].data, Commit(static_cast<std::uint16_t>(0x1200 | b)));
    EXPECT_EQ(sim->board().fpga().TfcWord(b, 0), b * 8 + 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, TfcLineCounts,
    ::testing::Values(TfcLinesCase{0, 0}, TfcLinesCase{1, 1}, TfcLinesCase{8, 1},
                      TfcLinesCase{9, 2}, TfcLinesCase{16, 2}, TfcLinesCase{257, 32}),
    support::NamedBy([](const TfcLinesCase& c) { return std::to_string(c.lines); }));

TEST_F(TfcLoader, AHeadingShiftsRowsAndLongLinesKeep32Numbers) {
  Start();
  std::string line40;
  for (int i = 1; i <= 40; ++i)
    line40 += std::to_string(i) + " ";
  Load(IDC_TFC_LOAD, WriteFile("tfc.txt", "Column values\n" + line40));
  for (std::size_t c = 0; c < 64; ++c)
    EXPECT_EQ(sim->board().fpga().TfcWord(0, c), 0);
  for (std::size_t c = 0; c < 32; ++c)
    EXPECT_EQ(sim->board().fpga().TfcWord(0, 64 + 2 * c), c + 1);
  EXPECT_EQ(sim->board().fpga().TfcWord(0, 128), 0);
}

TEST_F(TfcLoader, AFailedRegisterReadSendsNothing) {
  Start({"fail=fpga-get:7"});
  Load(IDC_TFC_LOAD, WriteFile("tfc.txt", "1 2 3\n"));
  EXPECT_EQ(Calls().size(), 1u);
}

TEST_F(TfcLoader, FailedTransfersStillCommit) {
  // The second half (rows 4 to 7) fails; rows 0 to 3 are still committed.
  Start({"fail=pairs:2"});
  Load(IDC_TFC_LOAD, WriteFile("tfc.txt", "1 2 3\n"));
  const auto calls = Calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_TRUE(ks::Failed(calls[2].hr));
  EXPECT_EQ(calls[3].data, Commit(0));
  EXPECT_EQ(calls[3].hr, ks::S_OK);
  EXPECT_EQ(sim->board().fpga().TfcWord(0, 4), 3);
}

} // namespace
