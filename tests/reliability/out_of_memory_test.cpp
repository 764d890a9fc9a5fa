// Loads under a heap that cannot grow: the EP1OUT upload streams its file in
// one block's memory, and a loader that cannot get memory returns as when its
// file cannot be read, with the console still working.
#include <gtest/gtest.h>

#include <cstdint>

#include "heap_meter.hpp"
#include "support/console_fixture.hpp"
#include "temp_dir.hpp"

namespace {

using support::Console;
using support::Request;

// Byte k is k * 7 + 3, so that every word tells where it came from.
std::string Counting(std::size_t n) {
  std::string bytes(n, '\0');
  for (std::size_t k = 0; k < n; ++k)
    bytes[k] = static_cast<char>(k * 7 + 3);
  return bytes;
}

// The requests one click sends with the heap allowed `budget` bytes more than
// it holds when the click starts.
std::vector<Request> ClickWithin(Console& console, int button, const std::string& path,
                                 std::size_t budget) {
  console.TakeRequests();
  console.host.QueueFile(path);
  reliability::LimitHeap(reliability::HeapInUse() + budget);
  console.host.Click(button);
  reliability::LimitHeap(SIZE_MAX);
  return console.TakeRequests();
}

TEST(BoundedMemory, Ep1outSendsAFileThirtyTwoTimesItsWindowInOneMegabyte) {
  constexpr std::size_t kWords = 32 * 65536;
  reliability::TempDir dir;
  const auto path = dir.Write("big.bin", Counting(2 * kWords));
  Console console;
  ASSERT_TRUE(console.Open());
  console.recorder.trace().set_keepEvents(false);
  const auto before = console.recorder.stats().calls();
  ClickWithin(console, IDC_EP1OUT_FILE_LOAD, path, 1 << 20);
  EXPECT_EQ(console.recorder.stats().calls() - before, (kWords + 16382) / 16383);
  // Address 0x100 last took word 31 * 65536 + 0x100.
  const std::size_t k = 2 * (31 * 65536 + 0x100);
  EXPECT_EQ(console.sim.board().fpga().Register(0x100),
            static_cast<std::uint8_t>(k * 7 + 3) | static_cast<std::uint8_t>(k * 7 + 10) << 8);
}

struct Starved {
  const char* name;
  int button;
  std::string file;
  std::size_t budget; // below what the loader's buffers need
  std::vector<Request> sent;
};

std::string Numbers(std::size_t n) {
  std::string text;
  for (std::size_t i = 0; i < n; ++i)
    text += std::to_string(i) + "\n";
  return text;
}

class OutOfMemory : public testing::TestWithParam<Starved> {};

TEST_P(OutOfMemory, TheLoadReturnsAndTheConsoleGoesOn) {
  const Starved& c = GetParam();
  reliability::TempDir dir;
  const auto path = dir.Write("file", c.file);
  Console console;
  ASSERT_TRUE(console.Open());
  EXPECT_EQ(ClickWithin(console, c.button, path, c.budget), c.sent);
  EXPECT_TRUE(console.host.messageBoxes().empty());
  // With memory back, the same load goes through.
  EXPECT_GT(ClickWithin(console, c.button, path, SIZE_MAX / 2).size(), c.sent.size());
}

INSTANTIATE_TEST_SUITE_P(
    Loaders, OutOfMemory,
    testing::Values(Starved{"Firmware", IDC_LOAD_FIRMWARE, Counting(300 << 10), 64 << 10, {}},
                    Starved{"Ep1out", IDC_EP1OUT_FILE_LOAD, Counting(1 << 20), 16 << 10, {}},
                    Starved{"AfeTable", IDC_AFE_TABLE_FILE_LOAD, Counting(1 << 20), 256 << 10, {}},
                    Starved{"ApodFilter", IDC_APOD_FILTER_LOAD, Numbers(8192), 16 << 10, {}},
                    Starved{"Logarithm", IDC_LOGARITHM_LOAD, Numbers(100), 16 << 10, {}},
                    // Register 7 is read before the file.
                    Starved{"Tfc", IDC_TFC_LOAD, Numbers(100), 16 << 10, {support::FpgaGet(7)}}),
    [](const testing::TestParamInfo<Starved>& p) { return std::string(p.param.name); });

} // namespace
