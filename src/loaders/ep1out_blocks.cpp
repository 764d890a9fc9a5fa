#include "loaders/ep1out_blocks.hpp"

#include <algorithm>

#include "device/requests.hpp"
#include "platform/dialog/hex_field.hpp"

namespace loaders {

std::uint16_t Ep1outStartAddress(std::string_view fieldText) {
  const std::int32_t start = dlg::ParseHexField(fieldText, -1);
  return static_cast<std::uint16_t>(start < 0 ? 0 : start);
}

std::vector<std::vector<std::uint8_t>> Ep1outBlocks(std::span<const std::uint8_t> bytes,
                                                    std::uint16_t start) {
  const std::size_t words = bytes.size() / 2;
  std::vector<std::vector<std::uint8_t>> blocks;
  std::size_t i = 0;
  do {
    const std::size_t n = std::min(kMaxPairsPerBlock, words - i);
    std::vector<std::uint8_t> block;
    block.reserve(n * kPairSize);
    for (const std::size_t end = i + n; i < end; ++i) {
      const auto word = static_cast<std::uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
      AppendPair(block, static_cast<std::uint16_t>(start + i), word);
    }
    blocks.push_back(std::move(block));
  } while (i < words);
  return blocks;
}

} // namespace loaders
