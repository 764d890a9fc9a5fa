// Scripts run through the program, their traces compared with the records
// the dialog must send, composed here from the record layouts.
#include "support/case_names.hpp"
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli_process.hpp"

namespace cli_test {
namespace {

// {96EBFF87-707D-43F8-8E10-FD6E5C15ECDC} and {CD0B693F-9B1A-4380-8730-E9604F3E1556}
// in memory order: first three fields little-endian, then the eight bytes.
const std::string kDeviceSet = "87ffeb96"
                               "7d70"
                               "f843"
                               "8e10fd6e5c15ecdc";
const std::string kFpgaSet = "3f690bcd"
                             "1a9b"
                             "8043"
                             "8730e9604f3e1556";
const std::string kOk = "0x00000000";

std::string U16(unsigned v) {
  char s[8];
  std::snprintf(s, sizeof s, "%02x%02x", v & 0xFF, (v >> 8) & 0xFF);
  return s;
}
std::string U32(unsigned v) {
  return U16(v & 0xFFFF) + U16(v >> 16);
}

std::string Line(const std::string& prop, const std::string& data, unsigned len,
                 const std::string& out, const std::string& hr = kOk) {
  return R"({"prop":")" + prop + R"(","data":")" + data + R"(","len":)" + std::to_string(len) +
         R"(,"hr":")" + hr + R"(","out":")" + out + "\"}\n";
}
std::string Sleep(unsigned ms) {
  return R"({"sleep_ms":)" + std::to_string(ms) + "}\n";
}

// DeviceRequest: set, Id, Flags, then request, value, index, length.
std::string Vendor(unsigned flags, unsigned request, unsigned index, unsigned length) {
  return kDeviceSet + U32(0) + U32(flags) + U16(request) + U16(0) + U16(index) + U16(length);
}
std::string PairBlock(unsigned length) {
  return kDeviceSet + U32(1) + U32(2) + U16(0) + U16(0) + U16(0) + U16(length);
}
// FpgaRegisterRequest: set, Id 0, Flags, a u32 zero, the u32 address.
std::string FpgaRegister(unsigned flags, unsigned address) {
  return kFpgaSet + U32(0) + U32(flags) + U32(0) + U32(address);
}
std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i)
    out += s;
  return out;
}

// Discovery's two probes, then the opening: seven GPIO gets, the
// channel-and-beam get, register 0x42.
std::string Opening() {
  std::string lines;
  for (const std::string& set : {kDeviceSet, kFpgaSet})
    lines += Line(set + U32(0) + U32(0x200), "00000000", 4, "03000000");
  for (const unsigned line : {26u, 27u, 45u, 50u, 51u, 52u, 57u})
    lines += Line(Vendor(1, 0xBF, line, 1), "00", 1, "00");
  lines += Line(kDeviceSet + U32(3) + U32(1), "00000000", 4, "00000000");
  lines += Line(FpgaRegister(1, 0x42), "0000", 2, "0000");
  return lines;
}

TEST(Trace, HelpersMatchHandWrittenRecords) {
  EXPECT_EQ(Opening().substr(0, Opening().find('\n') + 1),
            "{\"prop\":\"87ffeb967d70f8438e10fd6e5c15ecdc0000000000020000\",\"data\":\"00000000\","
            "\"len\":4,\"hr\":\"0x00000000\",\"out\":\"03000000\"}\n");
  EXPECT_EQ(FpgaRegister(2, 0x1F), "3f690bcd1a9b80438730e9604f3e1556000000000200000000000000"
                                   "1f000000");
  EXPECT_EQ(Vendor(2, 0xBC, 0x57, 3), "87ffeb967d70f8438e10fd6e5c15ecdc0000000002000000"
                                      "bc000000"
                                      "5700"
                                      "0300");
}

TEST(Trace, FpgaWriteThenRead) {
  TempDir dir;
  const Outcome r = Launch({"--virtual-time", "--trace=" + dir.File("t.jsonl"), "fpga", "write",
                            "1f", "1234", ";", "fpga", "read", "1f"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "0x1234 (4660)\n");
  EXPECT_EQ(r.err, "");
  // Write: the get first; the register holds 0, so the single-register set.
  const std::string expected = Opening() + Line(FpgaRegister(1, 0x1F), "0000", 2, "0000") +
                               Line(FpgaRegister(2, 0x1F), "3412", 2, "3412") +
                               Line(FpgaRegister(1, 0x1F), "0000", 2, "3412");
  EXPECT_EQ(ReadFile(dir.File("t.jsonl")), expected);
}

TEST(Trace, LogarithmLoadOnStandardError) {
  TempDir dir;
  dir.Write("table.txt", "1\n2\n3\n");
  // The command the issue names, run from the directory holding table.txt.
  const Outcome r = Launch({"--virtual-time", "--trace", "load", "log", dir.File("table.txt")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  // Bank 5, then entries 0..2 at 0x8000..0x8002; the 16-byte stream is
  // raised to 32 bytes with copies of its last pair.
  const std::string stream = "04000500"
                             "00800100"
                             "01800200"
                             "02800300";
  const std::string block = stream + Repeat("02800300", 4);
  EXPECT_EQ(r.err, Opening() + Line(PairBlock(32), block, 32, block) + Sleep(1));
}

TEST(Trace, EepromWriteAndReadBack) {
  TempDir dir;
  const Outcome r = Launch({"--virtual-time", "--trace=" + dir.File("t.jsonl"), "eeprom", "write",
                            "0", "1234", "5a", ";", "eeprom", "read", "0", "1234"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "5a\n");
  const std::string expected = Opening() + Line(Vendor(2, 0xBC, 0x50, 3), "12345a", 3, "12345a") +
                               Line(Vendor(2, 0xBC, 0x50, 2), "1234", 2, "1234") +
                               Line(Vendor(1, 0xBD, 0x50, 1), "ff", 1, "5a");
  EXPECT_EQ(ReadFile(dir.File("t.jsonl")), expected);
}

TEST(Trace, FirmwareLoadThenVerify) {
  TempDir dir;
  std::string image;
  std::string imageHex;
  for (int i = 0; i < 33; ++i) {
    image += static_cast<char>(0xA0 + i);
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02x", 0xA0 + i);
    imageHex += hex;
  }
  dir.Write("fw.bin", image);
  const Outcome r = Launch({"--virtual-time", "--trace=" + dir.File("t.jsonl"), "load", "firmware",
                            dir.File("fw.bin"), ";", "verify", "firmware", dir.File("fw.bin")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "verified 33 bytes\n");
  EXPECT_EQ(r.err, "");
  // Two pieces (32 bytes at 0, 1 byte at 0x20), each after 20 ms; then the
  // read-back in pieces of 32 bytes, each after setting the pointer.
  const std::string first = "0000" + imageHex.substr(0, 64);
  const std::string second = "0020" + imageHex.substr(64);
  const std::string expected =
      Opening() + Sleep(20) + Line(Vendor(2, 0xBC, 0x50, 34), first, 34, first) + Sleep(20) +
      Line(Vendor(2, 0xBC, 0x50, 3), second, 3, second) +
      Line(Vendor(2, 0xBC, 0x50, 2), "0000", 2, "0000") +
      Line(Vendor(1, 0xBD, 0x50, 32), Repeat("00", 32), 32, imageHex.substr(0, 64)) +
      Line(Vendor(2, 0xBC, 0x50, 2), "0020", 2, "0020") +
      Line(Vendor(1, 0xBD, 0x50, 1), "00", 1, imageHex.substr(64));
  EXPECT_EQ(ReadFile(dir.File("t.jsonl")), expected);
}

// The reads of an erased chip 0: the pointer, then `length` bytes.
std::string ErasedRead(unsigned address, unsigned length) {
  char pointer[8];
  std::snprintf(pointer, sizeof pointer, "%04x", address);
  return Line(Vendor(2, 0xBC, 0x50, 2), pointer, 2, pointer) +
         Line(Vendor(1, 0xBD, 0x50, length), Repeat("00", length), length, Repeat("ff", length));
}

struct ChunkCase {
  std::vector<std::string> options;
  std::vector<std::pair<unsigned, unsigned>> reads; // address, length
};

class ReadChunkTest : public ::testing::TestWithParam<ChunkCase> {};

TEST_P(ReadChunkTest, DumpReadsInChunks) {
  TempDir dir;
  std::vector<std::string> args = {"--virtual-time", "--trace=" + dir.File("t.jsonl")};
  args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
  args.insert(args.end(), {"eeprom", "dump", "0", "8", "40"});
  const Outcome r = Launch(args);
  EXPECT_EQ(r.status, 0) << r.err;
  std::string expected = Opening();
  for (const auto& [address, length] : GetParam().reads)
    expected += ErasedRead(address, length);
  EXPECT_EQ(ReadFile(dir.File("t.jsonl")), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Chunks, ReadChunkTest,
    ::testing::Values(ChunkCase{{}, {{0x08, 32}, {0x28, 8}}},
                      ChunkCase{{"--read-chunk", "16"}, {{0x08, 16}, {0x18, 16}, {0x28, 8}}},
                      ChunkCase{{"--read-chunk=4096"}, {{0x08, 40}}}),
    support::NamedBy([](const ChunkCase& c) { return support::Joined(c.options); }));

struct RefusalCase {
  std::vector<std::string> args;
  int status;
  std::string err;
  std::string input = "";
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

// A refused command sends nothing: the trace holds the opening only.
TEST_P(RefusalTest, SendsNothing) {
  TempDir dir;
  std::vector<std::string> args = {"--virtual-time", "--trace=" + dir.File("t.jsonl")};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const Outcome r = Launch(args, GetParam().input);
  EXPECT_EQ(r.status, GetParam().status);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, GetParam().err);
  EXPECT_EQ(ReadFile(dir.File("t.jsonl")), Opening());
}

INSTANTIATE_TEST_SUITE_P(
    Loads, RefusalTest,
    ::testing::Values(
        RefusalCase{{"load", "firmware", "/nonexistent"},
                    1,
                    "velta-cli: cannot read /nonexistent: No such file or directory\n"},
        RefusalCase{{"load", "tfc", "/"}, 1, "velta-cli: cannot read /: Is a directory\n"},
        RefusalCase{{"load", "afe", "/dev/null"},
                    1,
                    "velta-cli: cannot read /dev/null: not a regular file\n"},
        // Every usage error of a script in one pass, each with its line.
        RefusalCase{{"--script", "-"},
                    2,
                    "velta-cli: script line 3: fpga reed 10: fpga needs one of: read, write, "
                    "write4a, dump, save\n"
                    "velta-cli: script line 4: channel 0: no entry '0' in 1061 (entries '1' to "
                    "'128')\n"
                    "velta-cli: script line 5: load tfc \"my tfc.txt: unterminated quote\n"
                    "velta-cli: script line 6: click 9999: no control with id 9999\n"
                    "Usage: velta-cli [OPTIONS] [COMMAND [ARGS]] [';' COMMAND ...]\n",
                    "fpga write 10 1\n\nfpga reed 10\nchannel 0\nload tfc \"my tfc.txt\n"
                    "click 9999\nfpga read 10\n"}),
    support::NamedBy([](const RefusalCase& c) { return support::Joined(c.args); }));

TEST(Refusal, UnreadableFile) {
  if (geteuid() == 0)
    GTEST_SKIP() << "root reads every file";
  TempDir dir;
  const std::string table = dir.Write("table.txt", "1\n");
  chmod(table.c_str(), 0);
  const Outcome r = Launch({"--trace=" + dir.File("t.jsonl"), "load", "log", table});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "velta-cli: cannot read " + table + ": Permission denied\n");
  EXPECT_EQ(ReadFile(dir.File("t.jsonl")), Opening());
}

} // namespace
} // namespace cli_test
