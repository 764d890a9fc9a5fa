// Full loads through the real handlers on the simulated board with the real
// clock: wall time against the sum of the pauses the loader kept.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench_inputs.hpp"
#include "platform/headless/headless_host.hpp"
#include "platform/ks/clock.hpp"
#include "sim/simulator.hpp"
#include "ui/resource.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace {

// Adds up the pauses handed on to the board's clock.
class PauseTotal : public ks::Clock {
public:
  explicit PauseTotal(ks::Clock& inner) : inner_(inner) {}
  void Sleep(std::uint32_t ms) override {
    total_ms += ms;
    inner_.Sleep(ms);
  }
  std::uint64_t total_ms = 0;

private:
  ks::Clock& inner_;
};

// One click of `button` answered with `path`, per iteration, on a console
// opened as velta-editor opens it (trace not kept).
void RunLoad(benchmark::State& state, int button, const std::string& path) {
  sim::Simulator simulator({}, sim::TimeMode::Real);
  PauseTotal clock(simulator.clock());
  ks::Recorder recorder(clock);
  recorder.trace().set_keepEvents(false);
  dlg::HeadlessHost host;
  CVeltaEditorDlg dialog(host, simulator.catalog(), recorder);
  if (!dialog.FindDevice()) {
    state.SkipWithError("no simulated board");
    return;
  }
  host.Open(dialog);
  const std::uint64_t callsBefore = recorder.stats().calls();
  for (auto _ : state) {
    host.QueueFile(path);
    host.Click(button);
  }
  if (recorder.stats().failed() != 0)
    state.SkipWithError("a request failed");
  const auto n = static_cast<double>(state.iterations());
  state.counters["pause_ms"] = static_cast<double>(clock.total_ms) / n;
  state.counters["requests"] = static_cast<double>(recorder.stats().calls() - callsBefore) / n;
}

void BM_Load_Logarithm65536(benchmark::State& state) {
  static const std::string path = bench::WriteTempFile("log.txt", bench::LogarithmText(65536));
  RunLoad(state, IDC_LOGARITHM_LOAD, path);
}
BENCHMARK(BM_Load_Logarithm65536)->Iterations(8)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Load_Tfc256Lines(benchmark::State& state) {
  static const std::string path = bench::WriteTempFile("tfc.txt", bench::TfcText(256));
  RunLoad(state, IDC_TFC_LOAD, path);
}
BENCHMARK(BM_Load_Tfc256Lines)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Load_Firmware32KiB(benchmark::State& state) {
  static const std::string path = bench::WriteTempFile("firmware.bin", bench::RawBytes(32 * 1024));
  RunLoad(state, IDC_LOAD_FIRMWARE, path);
}
BENCHMARK(BM_Load_Firmware32KiB)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
