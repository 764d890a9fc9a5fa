// The simulated board's throughput and the real clock's overshoot.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <ostream>
#include <streambuf>
#include <vector>

#include "device/device_link.hpp"
#include "device/requests.hpp"
#include "platform/ks/clock.hpp"
#include "sim/simulator.hpp"

namespace {

// A 1024-byte transfer into the table window, as the logarithm loader sends.
std::vector<std::uint8_t> TableTransfer() {
  std::vector<std::uint8_t> pairs;
  for (std::uint16_t i = 0; i < 256; ++i)
    AppendPair(pairs, static_cast<std::uint16_t>(0x8000 + i), i);
  return pairs;
}

// Discards what is written, so that only the trace's own cost shows.
class NullBuffer : public std::streambuf {
protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// range(0): 0 records nothing (as velta-editor without --trace), 1 streams
// the trace as JSON Lines.
void BM_BoardPairWrites(benchmark::State& state) {
  sim::Simulator simulator({}, sim::TimeMode::Virtual);
  simulator.trace().set_keepEvents(false);
  NullBuffer nullBuffer;
  std::ostream nullStream(&nullBuffer);
  if (state.range(0) == 1)
    simulator.trace().StreamTo(&nullStream);
  DeviceLink link;
  if (!link.FindDevice(simulator.catalog())) {
    state.SkipWithError("no simulated board");
    return;
  }
  const auto pairs = TableTransfer();
  for (auto _ : state) {
    if (link.WriteRegisterPairs(pairs.data(), static_cast<std::uint32_t>(pairs.size())) !=
        ks::S_OK) {
      state.SkipWithError("pair write failed");
      break;
    }
  }
  simulator.trace().StreamTo(nullptr);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * pairs.size() / 4));
}
BENCHMARK(BM_BoardPairWrites)->Arg(0)->Arg(1);

// Time slept per call against the pause asked for (range(0) ms).
void BM_RealClockSleep(benchmark::State& state) {
  ks::RealClock clock;
  const auto ms = static_cast<std::uint32_t>(state.range(0));
  for (auto _ : state)
    clock.Sleep(ms);
  state.counters["asked_ms"] = static_cast<double>(ms);
}
BENCHMARK(BM_RealClockSleep)->Arg(1)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RealClockSleep)->Arg(20)->Iterations(25)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
