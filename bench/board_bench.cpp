// The simulated board's throughput and the real clock's overshoot.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <vector>

#include "device/device_link.hpp"
#include "device/requests.hpp"
#include "platform/ks/clock.hpp"
#include "platform/ks/recorder.hpp"
#include "sim/simulator.hpp"

namespace {

// A 1024-byte transfer into the table window, as the logarithm loader sends.
std::vector<std::uint8_t> TableTransfer() {
  std::vector<std::uint8_t> pairs;
  for (std::uint16_t i = 0; i < 256; ++i)
    AppendPair(pairs, static_cast<std::uint16_t>(0x8000 + i), i);
  return pairs;
}

// range(0): 0 only counts the calls (as velta-editor without --trace), 1
// writes the trace as JSON Lines to /dev/null, a line and a flush per call as
// the programs write it.
void BM_BoardPairWrites(benchmark::State& state) {
  sim::Simulator simulator({}, sim::TimeMode::Virtual);
  ks::Recorder recorder(simulator.clock());
  recorder.trace().set_keepEvents(false);
  std::ofstream nullFile("/dev/null", std::ios::binary);
  if (state.range(0) == 1)
    recorder.trace().StreamTo(&nullFile);
  DeviceLink link;
  link.SetRecorder(&recorder);
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
  recorder.trace().StreamTo(nullptr);
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
