// Every loader with each of its requests failed in turn. A request whose
// failure stops the load must be the last one sent; any other failure changes
// nothing that goes out. No file or heap block is left behind on any path.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <string>

#include "resources.hpp"
#include "support/console_fixture.hpp"
#include "temp_dir.hpp"

namespace {

using support::Console;
using support::Request;

// Whether a failure of this request (as sent without faults) ends the load.
using StopRule = std::function<bool(const Request&)>;

struct Loader {
  const char* name;
  int button;
  std::function<std::string(const reliability::TempDir&)> makeFile;
  StopRule stops;
  const char* progressText; // the progress text afterwards, null when not shown
};

bool Never(const Request&) {
  return false;
}

bool IsFpgaGet(const Request& r, std::uint32_t address) {
  return r == support::FpgaGet(address);
}
bool IsFpgaSet(const Request& r, std::uint32_t address) {
  return r.property == support::FpgaSet(address, 0).property;
}
// A register-pair block whose first pair addresses the register.
bool IsPairsAt(const Request& r, std::uint16_t address) {
  return r.property[16] == 1 && r.data.size() >= 4 && r.data[0] == (address & 0xFF) &&
         r.data[1] == (address >> 8);
}

std::string Counting(std::size_t n) {
  std::string s(n, '\0');
  for (std::size_t i = 0; i < n; ++i)
    s[i] = static_cast<char>(i * 7 + 3);
  return s;
}
std::string NumberLines(std::size_t lines, std::size_t perLine) {
  std::string s;
  for (std::size_t i = 0; i < lines; ++i) {
    for (std::size_t j = 0; j < perLine; ++j)
      s += std::to_string(static_cast<int>(i * perLine + j) - 100) + " ";
    s += "\n";
  }
  return s;
}

std::vector<Request> RunLoad(const Loader& loader, const std::string& path, std::uint64_t failAt,
                             Console& console) {
  EXPECT_TRUE(console.Open());
  console.TakeRequests();
  console.recorder.stats().Mark();
  if (failAt != 0)
    console.sim.faults().FailCall(console.sim.faults().callCount() + failAt);
  console.host.QueueFile(path);
  console.host.Click(loader.button);
  return console.TakeRequests();
}

class LoaderFaultMatrix : public testing::TestWithParam<Loader> {};

TEST_P(LoaderFaultMatrix, EachRequestFailsInTurn) {
  const Loader& loader = GetParam();
  reliability::TempDir dir;
  const std::string path = loader.makeFile(dir);

  std::vector<Request> baseline;
  {
    Console console;
    baseline = RunLoad(loader, path, 0, console);
  }
  ASSERT_FALSE(baseline.empty());
  const std::size_t descriptors = reliability::OpenDescriptors();

  for (std::size_t k = 0; k < baseline.size(); ++k) {
    SCOPED_TRACE("failing request " + std::to_string(k));
    {
      Console console;
      const auto sent = RunLoad(loader, path, k + 1, console);
      const bool stops = loader.stops(baseline[k]);
      const std::vector<Request> expected(
          baseline.begin(),
          stops ? baseline.begin() + static_cast<std::ptrdiff_t>(k + 1) : baseline.end());
      EXPECT_EQ(sent, expected);
      EXPECT_EQ(console.recorder.stats().failed(), 1u);
      EXPECT_TRUE(console.host.messageBoxes().empty());
      if (loader.progressText != nullptr) {
        EXPECT_EQ(console.Text(IDC_PROGRESS_TEXT), loader.progressText);
      }
    }
    EXPECT_EQ(reliability::OpenDescriptors(), descriptors);
    EXPECT_FALSE(reliability::HeapLeaked());
  }
  std::cout << "fault-matrix loader=" << loader.name << " cases=" << baseline.size() << "\n";
}

// The requests each loader sends for its file, and which failures stop it.
INSTANTIATE_TEST_SUITE_P(
    Loaders, LoaderFaultMatrix,
    testing::Values(
        // A failed write is ignored; the progress still reaches 100 %.
        Loader{"Firmware", IDC_LOAD_FIRMWARE,
               [](const reliability::TempDir& d) { return d.Write("fw.bin", Counting(200)); },
               Never, "100 %"},
        // Blocks of 16383 pairs; a failed block is ignored.
        Loader{"Ep1out", IDC_EP1OUT_FILE_LOAD,
               [](const reliability::TempDir& d) {
                 return d.Write("ep1.bin", Counting(2 * 16383 + 10));
               },
               Never, nullptr},
        // Two banks: bank 0 already selected (the 8-pair block, ignored when it
        // fails), bank 1 read and written; any read, write or table block stops.
        Loader{"AfeTable", IDC_AFE_TABLE_FILE_LOAD,
               [](const reliability::TempDir& d) {
                 return d.Write("afe.bin", Counting(65536 + 2 * 20));
               },
               [](const Request& r) { return !IsPairsAt(r, 4); }, nullptr},
        // One transfer of all 8192 entries.
        Loader{
            "ApodFilter", IDC_APOD_FILTER_LOAD,
            [](const reliability::TempDir& d) { return d.Write("apod.txt", NumberLines(8, 1024)); },
            Never, nullptr},
        // Transfers go on after a failure.
        Loader{
            "Logarithm", IDC_LOGARITHM_LOAD,
            [](const reliability::TempDir& d) { return d.Write("log.txt", NumberLines(30, 10)); },
            Never, nullptr},
        // A failed read of register 7 stops; failed transfers are ignored.
        Loader{"Tfc", IDC_TFC_LOAD,
               [](const reliability::TempDir& d) { return d.Write("tfc.txt", NumberLines(9, 32)); },
               [](const Request& r) { return IsFpgaGet(r, 7); }, nullptr}),
    [](const testing::TestParamInfo<Loader>& p) { return std::string(p.param.name); });

// The AFE file above does reach both kinds of bank selection.
TEST(LoaderFaultMatrixFile, AfeTableSelectsBothWays) {
  reliability::TempDir dir;
  Console console;
  Loader afe{"AfeTable", IDC_AFE_TABLE_FILE_LOAD, nullptr, Never, nullptr};
  const auto sent = RunLoad(afe, dir.Write("afe.bin", Counting(65536 + 2 * 20)), 0, console);
  ASSERT_EQ(sent.size(), 2u + 32u + 2u + 1u);
  EXPECT_TRUE(IsFpgaGet(sent[0], 4));
  EXPECT_TRUE(IsPairsAt(sent[1], 4));
  EXPECT_TRUE(IsFpgaGet(sent[34], 4));
  EXPECT_TRUE(IsFpgaSet(sent[35], 4));
  EXPECT_TRUE(IsPairsAt(sent[36], 0x8000));
}

} // namespace
