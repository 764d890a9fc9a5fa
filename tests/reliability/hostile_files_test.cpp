// Files a user might pick that are not what a loader expects: every one ends
// as the loader's rules say, without a crash, a hang or a stray request.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>

#include "heap_meter.hpp"
#include "loaders/raw_file.hpp"
#include "support/console_fixture.hpp"
#include "temp_dir.hpp"

namespace {

using support::Console;
using support::Request;

struct Sent {
  std::vector<Request> requests;
  std::vector<std::string> messages;
};

Sent Load(int button, const std::string& path, Console& console) {
  EXPECT_TRUE(console.Open());
  console.TakeRequests();
  console.host.QueueFile(path);
  console.host.Click(button);
  Sent sent{console.TakeRequests(), {}};
  for (const auto& box : console.host.messageBoxes())
    sent.messages.push_back(box.text);
  return sent;
}

Sent Load(int button, const std::string& path) {
  Console console;
  return Load(button, path, console);
}

constexpr int kTextLoaders[] = {IDC_APOD_FILTER_LOAD, IDC_LOGARITHM_LOAD, IDC_TFC_LOAD};
constexpr int kAllLoaders[] = {IDC_LOAD_FIRMWARE,    IDC_EP1OUT_FILE_LOAD, IDC_AFE_TABLE_FILE_LOAD,
                               IDC_APOD_FILTER_LOAD, IDC_LOGARITHM_LOAD,   IDC_TFC_LOAD};

// A hostile table text and the clean text it must read as.
struct Equivalent {
  const char* name;
  std::string hostile;
  std::string clean;
};

class HostileText : public testing::TestWithParam<Equivalent> {};

TEST_P(HostileText, ReadsAsItsCleanForm) {
  reliability::TempDir dir;
  const auto hostile = dir.Write("hostile.txt", GetParam().hostile);
  const auto clean = dir.Write("clean.txt", GetParam().clean);
  for (const int button : kTextLoaders) {
    SCOPED_TRACE(button);
    const Sent expected = Load(button, clean);
    EXPECT_FALSE(expected.requests.empty() && expected.messages.empty());
    const Sent got = Load(button, hostile);
    EXPECT_EQ(got.requests, expected.requests);
    EXPECT_EQ(got.messages, expected.messages);
  }
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Files, HostileText,
    testing::Values(
        Equivalent{"CrLf", "1 2\r\n3\r\n\r\n4\r\n", "1 2\n3\n\n4\n"},
        // A CR alone is blank space inside its line.
        Equivalent{"LoneCr", "1\r2\r\n3\r", "1 2\n3\n"},
        Equivalent{"NoFinalLf", "1 2\n3", "1 2\n3\n"},
        Equivalent{"CrLfAtEnd", "5\r\n6\r", "5\n6\n"},
        // A NUL ends the line's scan like any other character.
        Equivalent{"NulBytes", "1 2\0 9\n3\0\n\0\n8"s, "1 2\n3\n\n8\n"},
        Equivalent{"BinaryGarbage", "\xff\xfe 5\n7 \x80 8\n\x01\x02\n9 \x7f", "\n7\n\n9\n"},
        Equivalent{"AllGarbageThenNumber", "\x89PNG\r\n\x7f\n\0\0\0\rIHDR\n12"s, "\n\n\n12\n"},
        // A Ctrl-Z ends the file: a ninth line after it would make a second TFC block.
        Equivalent{"CtrlZEndsTheFile", "1\n2\n3\n4\n5\n6\n7\n8 9\x1a\r\n\0 5 6\n7\n"s,
                   "1\n2\n3\n4\n5\n6\n7\n8 9\n"},
        // A number outside the signed 32-bit range ends its line.
        Equivalent{"JustPastMax", "2147483648 4\n5\n", "\n5\n"},
        Equivalent{"JustPastMin", "-2147483649 4\n5\n", "\n5\n"},
        Equivalent{"TwentyDigits", "1 99999999999999999999 3\n2", "1\n2"},
        Equivalent{"SignAlone", "1 - 2\n+\n3", "1\n\n3"}),
    [](const testing::TestParamInfo<Equivalent>& p) { return std::string(p.param.name); });

TEST(HostileTextNumbers, TfcKeepsBothHalvesAtTheRangeEnds) {
  reliability::TempDir dir;
  Console console;
  Load(IDC_TFC_LOAD, dir.Write("t.txt", "2147483647 -2147483648 -1 65536 4294967296 9\n"), console);
  const auto& fpga = console.sim.board().fpga();
  const std::uint16_t expected[] = {0xFFFF, 0x7FFF, 0x0000, 0x8000, 0xFFFF,
                                    0xFFFF, 0x0000, 0x0001, 0x0000, 0x0000};
  for (std::size_t m = 0; m < std::size(expected); ++m)
    EXPECT_EQ(fpga.TfcWord(0, m), expected[m]) << m;
}

TEST(HostileTextNumbers, LogarithmTakesLowHalvesAndDropsOutOfRange) {
  reliability::TempDir dir;
  Console console;
  Load(IDC_LOGARITHM_LOAD, dir.Write("l.txt", "2147483647 -2147483648 2147483648 5\n6\n"), console);
  const auto& fpga = console.sim.board().fpga();
  EXPECT_EQ(fpga.BankWord(5, 0), 0xFFFF);
  EXPECT_EQ(fpga.BankWord(5, 1), 0x0000);
  EXPECT_EQ(fpga.BankWord(5, 2), 6);
  EXPECT_EQ(fpga.BankWord(5, 3), 0);
}

TEST(HostileTextNumbers, ApodFilterGarbageIsBadData) {
  reliability::TempDir dir;
  const Sent sent = Load(IDC_APOD_FILTER_LOAD, dir.Write("a.txt", "\0\xff\xfe\n\x80"s));
  EXPECT_TRUE(sent.requests.empty());
  EXPECT_EQ(sent.messages, std::vector<std::string>{"Bad data in apodization filter"});
}

// Paths that name no readable file: nothing is sent and nothing is shown.
TEST(HostilePaths, DirectoryAndMissingFileSendNothing) {
  reliability::TempDir dir;
  std::filesystem::create_directories(dir.path() / "folder.txt");
  const std::string paths[] = {(dir.path() / "folder.txt").string(),
                               (dir.path() / "missing.txt").string(), "/", ""};
  for (const auto& path : paths) {
    for (const int button : kAllLoaders) {
      SCOPED_TRACE(path + " " + std::to_string(button));
      const Sent sent = Load(button, path);
      EXPECT_TRUE(sent.requests.empty());
      EXPECT_TRUE(sent.messages.empty());
    }
  }
}

TEST(HostilePaths, SpacesAndNonAsciiLoadLikePlainPaths) {
  reliability::TempDir dir;
  const std::string table = "1 2 3\n4 5\n";
  const std::string raw = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b";
  const auto plainTable = dir.Write("plain/t.txt", table);
  const auto plainRaw = dir.Write("plain/r.bin", raw);
  const std::filesystem::path odd = u8"dir with  spaces/Tabelle äöü — 表 ";
  const auto oddTable = dir.Write(odd / u8" tåble.txt", table);
  const auto oddRaw = dir.Write(odd / u8"r ß.bin", raw);
  for (const int button : kAllLoaders) {
    SCOPED_TRACE(button);
    const bool text =
        button == IDC_APOD_FILTER_LOAD || button == IDC_LOGARITHM_LOAD || button == IDC_TFC_LOAD;
    const Sent expected = Load(button, text ? plainTable : plainRaw);
    EXPECT_FALSE(expected.requests.empty() && expected.messages.empty());
    const Sent got = Load(button, text ? oddTable : oddRaw);
    EXPECT_EQ(got.requests, expected.requests);
    EXPECT_EQ(got.messages, expected.messages);
  }
}

// A regular file whose size promises more bytes than a read delivers, as when
// it shrinks between the size and the read. The kernel's attribute files are
// such files: they report a page as their size and hold a few bytes.
std::optional<std::string> ShortReadingFile() {
  for (const char* path : {"/sys/devices/system/cpu/online",
                           "/sys/kernel/mm/transparent_hugepage/enabled", "/sys/power/state"}) {
    const auto size = loaders::RegularFileSize(path);
    if (!size)
      continue;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!bytes.empty() && bytes.size() < *size)
      return std::string(path);
  }
  return std::nullopt;
}

TEST(HostilePaths, RawLoadersSendNothingWhenTheReadComesShort) {
  const auto path = ShortReadingFile();
  if (!path)
    GTEST_SKIP() << "no file here reads shorter than its size";
  for (const int button : {IDC_LOAD_FIRMWARE, IDC_EP1OUT_FILE_LOAD, IDC_AFE_TABLE_FILE_LOAD}) {
    SCOPED_TRACE(button);
    const Sent sent = Load(button, *path);
    EXPECT_TRUE(sent.requests.empty());
    EXPECT_TRUE(sent.messages.empty());
  }
}

// One line of VELTA_HUGE_LINE_MB megabytes (20 by default): numbers, then a
// hole of NUL bytes that ends the line's scan and must be read through to the
// short line after it. The
// loaders stream it, so the heap they need does not grow with the file.
TEST(HugeLine, StreamsInBoundedMemory) {
  const char* env = std::getenv("VELTA_HUGE_LINE_MB");
  const std::uintmax_t megabytes = env != nullptr ? std::strtoull(env, nullptr, 10) : 20;
  reliability::TempDir dir;
  const auto clean = dir.Write("clean.txt", "7 8\n9\n");
  const auto huge = dir.Write("huge.txt", "7 8 ");
  std::filesystem::resize_file(huge, megabytes << 20);
  // The last line proves the hole was read through.
  std::ofstream(huge, std::ios::binary | std::ios::app) << "\n9";
  constexpr std::size_t kHeapBound = 1 << 20;

  for (const int button : kTextLoaders) {
    SCOPED_TRACE(button);
    const Sent expected = Load(button, clean);
    Console console;
    ASSERT_TRUE(console.Open());
    console.TakeRequests();
    console.host.QueueFile(huge);
    const std::size_t before = reliability::HeapInUse();
    reliability::ResetHeapPeak();
    console.host.Click(button);
    const std::size_t peak = reliability::HeapPeak() - before;
    EXPECT_EQ(console.TakeRequests(), expected.requests);
    EXPECT_LT(peak, kHeapBound);
    std::cout << "huge-line button=" << button << " file_bytes=" << (megabytes << 20)
              << " peak_heap_bytes=" << peak << "\n";
  }
}

} // namespace
