// Table-text parsing against a std::from_chars loop over the same bytes.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <string>

#include "bench_inputs.hpp"
#include "loaders/table_text_reader.hpp"
#include "memory_source.hpp"

namespace {

const std::string& LogText() {
  static const std::string text = bench::LogarithmText(65536);
  return text;
}
const std::string& TfcText() {
  static const std::string text = bench::TfcText(256);
  return text;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The floor: every number of the text read with std::from_chars.
std::int64_t FromCharsSum(const std::string& text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  std::int64_t sum = 0;
  while (p != end) {
    if (IsSpace(*p)) {
      ++p;
      continue;
    }
    std::int32_t value = 0;
    const auto [next, ec] = std::from_chars(p, end, value);
    if (ec != std::errc{})
      break;
    sum += value;
    p = next;
  }
  return sum;
}

void SetBytes(benchmark::State& state, const std::string& text) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_ParseLog_Reader(benchmark::State& state) {
  for (auto _ : state) {
    bench::MemorySource source(LogText());
    loaders::TableTextReader reader(source);
    std::int64_t sum = 0;
    reader.ForEachNumber([&](std::int32_t n) {
      sum += n;
      return true;
    });
    benchmark::DoNotOptimize(sum);
  }
  SetBytes(state, LogText());
}
BENCHMARK(BM_ParseLog_Reader);

void BM_ParseLog_FromChars(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(FromCharsSum(LogText()));
  SetBytes(state, LogText());
}
BENCHMARK(BM_ParseLog_FromChars);

void BM_ParseTfc_Reader(benchmark::State& state) {
  for (auto _ : state) {
    bench::MemorySource source(TfcText());
    loaders::TableTextReader reader(source);
    std::array<std::int32_t, 32> row{};
    std::int64_t sum = 0;
    while (const auto taken = reader.ReadRow(row))
      for (std::size_t i = 0; i < *taken; ++i)
        sum += row[i];
    benchmark::DoNotOptimize(sum);
  }
  SetBytes(state, TfcText());
}
BENCHMARK(BM_ParseTfc_Reader);

void BM_ParseTfc_FromChars(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(FromCharsSum(TfcText()));
  SetBytes(state, TfcText());
}
BENCHMARK(BM_ParseTfc_FromChars);

} // namespace
