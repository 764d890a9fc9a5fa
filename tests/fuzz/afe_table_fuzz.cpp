// The AFE table upload's plan and blocks for arbitrary file bytes: every word
// goes out once, in order, inside the table window, and short blocks are
// padded to eight pairs.
#include "device/requests.hpp"
#include "fuzz_check.hpp"
#include "loaders/afe_table.hpp"
#include "loaders/table_window.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto table = fuzz::Bytes(data, size & ~std::size_t{1});
  const auto plan = loaders::AfeTablePlan(table.size());
  FUZZ_CHECK(!plan.empty() && plan.front().kind == loaders::AfeStep::Kind::SelectBank);
  std::size_t word = 0;
  std::uint32_t bank = 0;
  for (const auto& step : plan) {
    if (step.kind == loaders::AfeStep::Kind::SelectBank) {
      bank = step.bank;
      continue;
    }
    FUZZ_CHECK(step.bank == bank && step.firstWord == word);
    FUZZ_CHECK(step.count >= 1 && step.count <= loaders::kAfeBlockPairs);
    FUZZ_CHECK(step.base >= loaders::kTableWindow && step.base + step.count - 1 <= 0xFFFF);
    const auto block = loaders::AfeTableBlock(table, step);
    FUZZ_CHECK(block.size() == std::max(step.count, loaders::kMinBlockPairs) * kPairSize);
    for (std::size_t j = 0; j < step.count; ++j, ++word) {
      const auto address = step.base + j;
      FUZZ_CHECK(block[4 * j] == (address & 0xFF) && block[4 * j + 1] == (address >> 8));
      FUZZ_CHECK(block[4 * j + 2] == table[2 * word] && block[4 * j + 3] == table[2 * word + 1]);
    }
    // Padding repeats the last pair.
    for (std::size_t j = step.count; j < loaders::kMinBlockPairs; ++j)
      FUZZ_CHECK(std::equal(block.begin() + 4 * j, block.begin() + 4 * j + 4,
                            block.begin() + 4 * (step.count - 1)));
  }
  FUZZ_CHECK(word == table.size() / 2);
  return 0;
}
