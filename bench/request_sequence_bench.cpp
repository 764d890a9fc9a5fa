// Building each loader's requests for its largest legal file, as its handler
// does, without sending them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench_inputs.hpp"
#include "device/requests.hpp"
#include "loaders/afe_table.hpp"
#include "loaders/apod_filter.hpp"
#include "loaders/firmware_image.hpp"
#include "loaders/logarithm_table.hpp"
#include "loaders/tfc_table.hpp"
#include "memory_source.hpp"

namespace {

// Per iteration: the requests built and the file's size, for per-request and
// per-byte figures.
void Report(benchmark::State& state, std::size_t requests, std::size_t fileBytes) {
  state.counters["requests"] = static_cast<double>(requests);
  state.counters["file_bytes"] = static_cast<double>(fileBytes);
}

void BM_Build_AfeTable16MiB(benchmark::State& state) {
  static const auto table = bench::RawBytes(loaders::kAfeTableMaxBytes);
  std::size_t requests = 0;
  for (auto _ : state) {
    requests = 0;
    for (const auto& step : loaders::AfeTablePlan(table.size())) {
      if (step.kind == loaders::AfeStep::Kind::SelectBank) {
        // The bank register is read, then written when a bank follows.
        const auto value = loaders::BankValue(0, step.bank);
        benchmark::DoNotOptimize(value);
        requests += step.write ? 2 : 1;
        continue;
      }
      const auto block = loaders::AfeTableBlock(table, step);
      benchmark::DoNotOptimize(block.data());
      ++requests;
    }
  }
  Report(state, requests, table.size());
}
BENCHMARK(BM_Build_AfeTable16MiB)->Unit(benchmark::kMillisecond);

void BM_Build_Firmware512KiB(benchmark::State& state) {
  static const auto image = bench::RawBytes(loaders::kFirmwareMaxBytes);
  std::size_t requests = 0;
  for (auto _ : state) {
    const auto pieces = loaders::FirmwarePieces(image);
    benchmark::DoNotOptimize(pieces.data());
    requests = pieces.size();
  }
  Report(state, requests, image.size());
}
BENCHMARK(BM_Build_Firmware512KiB)->Unit(benchmark::kMillisecond);

void BM_Build_Logarithm65536(benchmark::State& state) {
  static const std::string text = bench::LogarithmText(loaders::kLogMaxEntries);
  std::size_t requests = 0;
  for (auto _ : state) {
    bench::MemorySource source(text);
    loaders::TableTextReader reader(source);
    const auto stream = loaders::ReadLogarithmStream(reader);
    const auto transfers = loaders::LogarithmTransfers(stream.bytes);
    benchmark::DoNotOptimize(transfers.data());
    requests = transfers.size();
  }
  Report(state, requests, text.size());
}
BENCHMARK(BM_Build_Logarithm65536)->Unit(benchmark::kMillisecond);

void BM_Build_Tfc256Lines(benchmark::State& state) {
  static const std::string text = bench::TfcText(loaders::kTfcBlocks * loaders::kTfcRowsPerBlock);
  std::size_t requests = 0;
  for (auto _ : state) {
    bench::MemorySource source(text);
    loaders::TableTextReader reader(source);
    // Register 7 is read once, then two halves and a commit per block.
    requests = 1;
    for (std::uint32_t b = 0; b < loaders::kTfcBlocks; ++b) {
      const auto image = loaders::ReadTfcBlock(reader);
      if (!image)
        break;
      const auto commit = loaders::MakeTfcCommitBlock(0, b);
      benchmark::DoNotOptimize(image->data());
      benchmark::DoNotOptimize(commit.data());
      requests += 3;
    }
  }
  Report(state, requests, text.size());
}
BENCHMARK(BM_Build_Tfc256Lines)->Unit(benchmark::kMicrosecond);

void BM_Build_Apod8192(benchmark::State& state) {
  static const std::string text = bench::ApodText(loaders::kApodEntries);
  for (auto _ : state) {
    bench::MemorySource source(text);
    loaders::TableTextReader reader(source);
    const auto filter = loaders::ReadApodFilter(reader);
    benchmark::DoNotOptimize(filter.pairs.data());
  }
  Report(state, 1, text.size());
}
BENCHMARK(BM_Build_Apod8192)->Unit(benchmark::kMicrosecond);

} // namespace
