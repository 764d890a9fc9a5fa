// Traces read back and refused line by line, replayed calls named, and whole
// replays through the program on two configurations of the simulated board.
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

#include "cli/options.hpp"
#include "cli/replay_reader.hpp"
#include "cli/replay_summary.hpp"
#include "cli_process.hpp"
#include "device/requests.hpp"

namespace cli_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <class Record> Bytes Of(const Record& record) {
  return {record.begin(), record.end()};
}

TEST(ReplayReader, ReadsBackWhatTheTraceWrites) {
  const ks::TraceEvent events[] = {
      ks::PropertyEvent{Of(FpgaRegisterRequest(1, 0x1F)), {0, 0}, 2, ks::S_OK, {0x05, 0}, {}},
      ks::PropertyEvent{Of(DeviceRequest(0, 1, REQ_I2C_READ, 0, 0x50, 3)),
                        {1, 2, 3},
                        3,
                        ks::E_DEVICE_NOT_FUNCTIONING,
                        {1, 2, 3},
                        {}},
      ks::PropertyEvent{Of(DeviceRequest(1, 2, 0, 0, 0, 0)), {}, 0, ks::S_OK, {}, {}},
      ks::SleepEvent{20},
      ks::SleepEvent{4294967295u},
  };
  for (const ks::TraceEvent& event : events) {
    const std::string line = ks::ToJson(event);
    const cli::ParsedLine parsed = cli::ParseTraceLine(line);
    EXPECT_EQ(parsed.error, "") << line;
    EXPECT_EQ(ks::ToJson(parsed.event), line);
  }
}

const std::string kGet1f =
    R"({"prop":"3f690bcd1a9b80438730e9604f3e15560000000001000000000000001f000000",)";

TEST(ReplayReader, RefusesWhatIsNotATraceEvent) {
  const struct {
    std::string line;
    std::string error;
  } cases[] = {
      {"", "empty line"},
      {R"({"sleep_ms":1)", "not JSON at column 14: syntax error while parsing object - unexpected "
                           "end of input; expected '}'"},
      {"[1]", "not a JSON object"},
      {R"({"sleep_ms":2e481})", "number overflow parsing '2e481'"},
      {R"({"sleep_ms":-1})", R"("sleep_ms" is not a whole number from 0 to 4294967295)"},
      {R"({"sleep_ms":4294967296})", R"("sleep_ms" is not a whole number from 0 to 4294967295)"},
      {R"({"sleep_ms":1.0})", R"("sleep_ms" is not a whole number from 0 to 4294967295)"},
      {R"({"sleep_ms":1,"len":2})", R"(unexpected key "len")"},
      {R"({"sleep_ms":1,"sleep_ms":2})", R"(key "sleep_ms" twice)"},
      {kGet1f + R"("data":"0000","len":2,"hr":"0x00000000"})", R"(no "out")"},
      {kGet1f + R"("data":"0000","len":2,"hr":"0x00000000","out":"0000","why":1})",
       R"(unexpected key "why")"},
      {kGet1f + R"("data":"000","len":2,"hr":"0x00000000","out":"0000"})",
       R"("data" is not a string of hexadecimal byte pairs)"},
      {kGet1f + R"("data":"00zz","len":2,"hr":"0x00000000","out":"0000"})",
       R"("data" is not a string of hexadecimal byte pairs)"},
      {kGet1f + R"("data":"0000","len":2,"hr":0,"out":"0000"})",
       R"("hr" is not 0x and 8 hexadecimal digits)"},
      {kGet1f + R"("data":"0000","len":2,"hr":"0x0000000","out":"0000"})",
       R"("hr" is not 0x and 8 hexadecimal digits)"},
      {kGet1f + R"("data":"00","len":2,"hr":"0x00000000","out":"0000"})",
       R"("data" has 1 bytes, "len" says 2)"},
      {kGet1f + R"("data":"0000","len":2,"hr":"0x00000000","out":""})",
       R"("out" has 0 bytes, "len" says 2)"},
      {R"({"prop":"3f690bcd","data":"","len":0,"hr":"0x00000000","out":""})",
       R"("prop" has 4 bytes; a property record has 24 or 32)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(cli::ParseTraceLine(c.line).error, c.error) << c.line;
}

ks::PropertyEvent Call(Bytes property, Bytes data = {}) {
  const auto length = static_cast<std::uint32_t>(data.size());
  return {std::move(property), data, length, ks::S_OK, data, {}};
}

TEST(ReplaySummary, NamesEachRequestInTheConsolesTerms) {
  const auto block = RepeatedPairBlock(0x8000, 7);
  const ks::Guid other = ks::GuidOf("{00000001-0002-0003-0405-060708090A0B}");
  const struct {
    ks::PropertyEvent call;
    std::string summary;
  } cases[] = {
      {Call(Of(FpgaRegisterRequest(1, 0x1F)), {0, 0}), "FPGA get 0x001f"},
      {Call(Of(FpgaRegisterRequest(2, 0x4A)), {0, 0}), "FPGA set 0x004a"},
      {Call(Of(DeviceRequest(1, 2, 0, 0, 0, 32)), Of(block)), "pairs 8 from 0x8000"},
      {Call(Of(DeviceRequest(1, 2, 0, 0, 0, 0))), "pairs 0"},
      {Call(Of(DeviceRequest(0, 2, REQ_I2C_WRITE, 0, 0x4C, 2)), {1, 2}), "I2C write 0x4c"},
      {Call(Of(DeviceRequest(0, 1, REQ_I2C_READ, 0, 0x50, 1)), {0}), "I2C read 0x50"},
      {Call(Of(DeviceRequest(0, 2, REQ_GPIO_SET, 0, 26, 1)), {1}), "GPIO set 26"},
      {Call(Of(DeviceRequest(0, 1, REQ_GPIO_GET, 0, 57, 1)), {0}), "GPIO get 57"},
      {Call(Of(DeviceRequest(0, 2, REQ_UART_WRITE, 0, 0, 1)), {0x41}), "UART write"},
      {Call(Of(DeviceRequest(0, 1, REQ_UART_READ, 0, 0, 1)), {0}), "UART read"},
      {Call(Of(DeviceRequest(0, 1, 0xB9, 0, 0, 1)), {0}), "request 0xb9 get"},
      {Call(Of(ShortPropertyRecord(DeviceRequestSet, 3, 1)), {0, 0, 0, 0}), "property 3 get"},
      {Call(Of(ShortPropertyRecord(DeviceRequestSet, 2, 2)), {0, 0, 0, 0}), "property 2 set"},
      {Call(Of(ShortPropertyRecord(DeviceRequestSet, 0, 0x200)), {0, 0, 0, 0}),
       "basic support DeviceRequestSet"},
      {Call(Of(ShortPropertyRecord(FpgaRegisterSet, 0, 0x200)), {0, 0, 0, 0}),
       "basic support FpgaRegisterSet"},
      {Call(Of(ShortPropertyRecord(other, 1, 4))),
       "{00000001-0002-0003-0405-060708090A0B} property 1 flags 0x4"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(cli::Summarize(c.call), c.summary);
}

TEST(ReplaySummary, LongBuffersShowTheFirstDifference) {
  Bytes ff20(20, 0xFF);
  Bytes changed = ff20;
  changed[18] = 0xAA;
  const Bytes ramp40 = [] {
    Bytes b(40);
    for (std::size_t i = 0; i < b.size(); ++i)
      b[i] = static_cast<std::uint8_t>(i);
    return b;
  }();
  const struct {
    Bytes expected;
    ks::HResult hr;
    Bytes got;
    std::string text;
  } cases[] = {
      {{5, 0}, ks::S_OK, {6, 0}, "expected hr 0x00000000 out 0500, got hr 0x00000000 out 0600"},
      {{}, ks::E_FAIL, {}, "expected hr 0x00000000 out -, got hr 0x80004005 out -"},
      {ff20, ks::S_OK, changed,
       "expected hr 0x00000000 out @0x0012 ffff, got hr 0x00000000 out @0x0012 aaff"},
      {ramp40, ks::E_FAIL, ramp40,
       "expected hr 0x00000000 out @0x0000 000102030405060708090a0b0c0d0e0f, got hr 0x80004005 "
       "out @0x0000 000102030405060708090a0b0c0d0e0f"},
  };
  for (const auto& c : cases) {
    const ks::PropertyEvent recorded{Of(FpgaRegisterRequest(1, 0)),
                                     c.expected,
                                     static_cast<std::uint32_t>(c.expected.size()),
                                     ks::S_OK,
                                     c.expected,
                                     {}};
    EXPECT_EQ(cli::DescribeDifference(recorded, c.hr, c.got), c.text);
  }
}

TEST(ReplayOptions, ReplayStandsAlone) {
  const struct {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"--virtual-time", "--replay", "a.jsonl"}, ""},
      {{"--replay"}, "--replay needs a value"},
      {{"--replay", "a.jsonl", "show"}, "--replay excludes commands and --script"},
      {{"--replay", "a.jsonl", "--script", "s.velta"}, "--replay excludes commands and --script"},
  };
  for (const auto& c : cases) {
    const cli::ParsedOptions parsed = cli::ParseOptions(c.args);
    EXPECT_EQ(parsed.error, c.error) << c.args.back();
    if (c.error.empty()) {
      EXPECT_EQ(parsed.options.replay, "a.jsonl");
    }
  }
}

// Replays run through the program. The recording: the opening, a logarithm
// table (a 32-byte pair block and a pause), register 0x1f, 20 EEPROM bytes
// read from 0, GPIO line 26 driven high.
class Replay : public ::testing::Test {
protected:
  void SetUp() override {
    dir_.Write("log.txt", "1\n2\n3\n");
    const Outcome r = Launch({"--virtual-time",
                              "--trace=" + Trace(),
                              "--sim-set",
                              "reg.1f=5",
                              "load",
                              "log",
                              dir_.File("log.txt"),
                              ";",
                              "fpga",
                              "read",
                              "1f",
                              ";",
                              "eeprom",
                              "dump",
                              "0",
                              "0",
                              "20",
                              ";",
                              "gpio",
                              "26",
                              "1"});
    ASSERT_EQ(r.status, 0) << r.err;
  }

  std::string Trace() const { return dir_.File("a.jsonl"); }

  Outcome Run(std::vector<std::string> settings, const std::string& trace,
              const std::string& replayTrace = "") {
    std::vector<std::string> args = {"--virtual-time"};
    for (const std::string& s : settings) {
      args.push_back("--sim-set");
      args.push_back(s);
    }
    args.push_back("--trace=" + (replayTrace.empty() ? dir_.File("sent.jsonl") : replayTrace));
    args.push_back("--replay");
    args.push_back(trace);
    return Launch(args);
  }

  TempDir dir_;
};

TEST_F(Replay, SameBoardAnswersTheSame) {
  const Outcome r = Run({"reg.1f=5"}, Trace());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "replayed 16 calls, 0 differ\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(Replay, OtherBoardShowsEachDifferingCall) {
  const Outcome r = Run({"reg.1f=6", "gpio.26=1", "eeprom.0.12=aa", "fail=pairs"}, Trace());
  EXPECT_EQ(r.status, 4) << r.err;
  EXPECT_EQ(r.out,
            "#3 GPIO get 26: expected hr 0x00000000 out 00, got hr 0x00000000 out 01\n"
            "#12 pairs 8 from 0x0004: expected hr 0x00000000 out @0x0000 "
            "04000500008001000180020002800300, got hr 0x8007001f out @0x0000 "
            "04000500008001000180020002800300\n"
            "#13 FPGA get 0x001f: expected hr 0x00000000 out 0500, got hr 0x00000000 out 0600\n"
            "#15 I2C read 0x50: expected hr 0x00000000 out @0x0012 ffff, got hr 0x00000000 out "
            "@0x0012 aaff\n"
            "replayed 16 calls, 4 differ\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(Replay, NoDevice) {
  const Outcome r = Run({"boards=0"}, Trace());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "No device found: Velta Device\n");
}

// The replay's own trace: discovery's two probes, then every recorded line
// again, pauses included; replayed in turn it answers the same.
TEST_F(Replay, ReplayOfAReplay) {
  const std::string recorded = ReadFile(Trace());
  const std::string second = dir_.File("b.jsonl");
  ASSERT_EQ(Run({"reg.1f=5"}, Trace(), second).status, 0);
  std::size_t probes = 0;
  for (int i = 0; i < 2; ++i)
    probes = recorded.find('\n', probes) + 1;
  EXPECT_EQ(ReadFile(second), recorded.substr(0, probes) + recorded);

  const Outcome r = Run({"reg.1f=5"}, second);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "replayed 18 calls, 0 differ\n");
}

TEST_F(Replay, CrLfLineEnds) {
  std::string crlf;
  for (const char c : ReadFile(Trace()))
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const Outcome r = Run({"reg.1f=5"}, dir_.Write("crlf.jsonl", crlf));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "replayed 16 calls, 0 differ\n");
}

// The whole file is checked first: a refused line sends nothing, not even
// discovery's probes.
TEST_F(Replay, RefusedFilesSendNothing) {
  const std::string recorded = ReadFile(Trace());
  const std::string firstTwo = recorded.substr(0, recorded.find('\n', recorded.find('\n') + 1) + 1);
  const struct {
    std::string name;
    std::string content;
    std::string error;
  } cases[] = {
      {"cut.jsonl", recorded.substr(0, recorded.size() - 30),
       "line 17: no line end (the trace is cut short)"},
      {"noend.jsonl", recorded.substr(0, recorded.size() - 1),
       "line 17: no line end (the trace is cut short)"},
      {"bad3.jsonl", firstTwo + "{\"sleep_ms\":\"1\"}\n" + recorded,
       "line 3: \"sleep_ms\" is not a whole number from 0 to 4294967295"},
      {"blank.jsonl", firstTwo + "\n", "line 3: empty line"},
  };
  for (const auto& c : cases) {
    const std::string path = dir_.Write(c.name, c.content);
    const Outcome r = Run({}, path);
    EXPECT_EQ(r.status, 2) << c.name;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "velta-cli: " + path + " " + c.error + "\n");
    EXPECT_EQ(ReadFile(dir_.File("sent.jsonl")), "") << c.name;
  }
  const Outcome missing = Run({}, dir_.File("none.jsonl"));
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "velta-cli: cannot read the trace " + dir_.File("none.jsonl") + "\n");
}

// Read twice: a pipe, which cannot go back, is refused rather than replayed
// as if it were empty.
TEST_F(Replay, PipeIsRefused) {
  const std::string fifo = dir_.File("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer([&] { std::ofstream(fifo) << ReadFile(Trace()); });
  const Outcome r = Run({}, fifo);
  writer.join();
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "velta-cli: " + fifo + " cannot be read twice (a pipe?); the trace must be a file\n");
  EXPECT_EQ(ReadFile(dir_.File("sent.jsonl")), "");
}

} // namespace
} // namespace cli_test
