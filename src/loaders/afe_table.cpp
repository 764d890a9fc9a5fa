#include "loaders/afe_table.hpp"

#include <algorithm>

#include "device/requests.hpp"

namespace loaders {

std::uint16_t BankValue(std::uint16_t read, std::uint32_t bank) {
  return static_cast<std::uint16_t>((read & 0xFF00) | (bank & 0xFF));
}

std::vector<AfeStep> AfeTablePlan(std::size_t byteCount) {
  constexpr std::size_t kBankBytes = 65536;
  const std::size_t banks = (byteCount + kBankBytes - 1) / kBankBytes;
  std::size_t words = byteCount / 2;
  std::vector<AfeStep> plan;
  plan.push_back({AfeStep::Kind::SelectBank, 0, true});
  std::uint32_t base = kTableWindow;
  std::uint32_t bank = 0;
  std::size_t next = 0;
  while (words > 0) {
    const std::size_t d = std::min(words, kAfeBlockPairs);
    plan.push_back({AfeStep::Kind::TableBlock, bank, true, next, d, base});
    base += static_cast<std::uint32_t>(d);
    next += d;
    // A window filled up to 0xFFFF or beyond moves on to the next bank.
    if (base >= 0xFFFF) {
      base = kTableWindow;
      ++bank;
      plan.push_back({AfeStep::Kind::SelectBank, bank, bank < banks});
    }
    words -= d;
  }
  return plan;
}

std::vector<std::uint8_t> AfeTableBlock(std::span<const std::uint8_t> table, const AfeStep& step) {
  std::vector<std::uint8_t> block;
  block.reserve(std::max(step.count, kMinBlockPairs) * kPairSize);
  std::uint16_t address = 0;
  std::uint16_t word = 0;
  for (std::size_t j = 0; j < step.count; ++j) {
    const std::size_t k = step.firstWord + j;
    address = static_cast<std::uint16_t>(step.base + j);
    word = static_cast<std::uint16_t>(table[2 * k] | (table[2 * k + 1] << 8));
    AppendPair(block, address, word);
  }
  for (std::size_t j = step.count; j < kMinBlockPairs; ++j)
    AppendPair(block, address, word);
  return block;
}

} // namespace loaders
