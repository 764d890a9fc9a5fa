#include "loaders/ep1out_blocks.hpp"

#include <algorithm>

#include "device/requests.hpp"
#include "platform/dialog/hex_field.hpp"

namespace loaders {
namespace {

// The file bytes of the next block: its words, two bytes each.
std::size_t BlockBytes(std::uint64_t remaining) {
  return static_cast<std::size_t>(std::min<std::uint64_t>(remaining, 2 * kMaxPairsPerBlock));
}

} // namespace

std::uint16_t Ep1outStartAddress(std::string_view fieldText) {
  const std::int32_t start = dlg::ParseHexField(fieldText, -1);
  return static_cast<std::uint16_t>(start < 0 ? 0 : start);
}

Ep1outBlockReader::Ep1outBlockReader(ByteSource& file, std::uint64_t length, std::uint16_t start)
    : file_(file), remaining_(length & ~std::uint64_t{1}), address_(start) {
  words_.reserve(BlockBytes(remaining_));
  block_.reserve(BlockBytes(remaining_) * 2);
}

bool Ep1outBlockReader::Next() {
  if (started_ && remaining_ == 0)
    return false;
  started_ = true;
  const std::size_t want = BlockBytes(remaining_);
  words_.resize(want);
  std::size_t got = 0;
  while (got < want) {
    const std::size_t n = file_.Read(words_.data() + got, want - got);
    if (n == 0)
      break;
    got += n;
  }
  if (got != want) {
    remaining_ = 0;
    return false;
  }
  remaining_ -= want;
  block_.clear();
  for (std::size_t i = 0; i < want; i += 2) {
    const auto low = static_cast<std::uint8_t>(words_[i]);
    const auto high = static_cast<std::uint8_t>(words_[i + 1]);
    AppendPair(block_, address_++, static_cast<std::uint16_t>(low | high << 8));
  }
  return true;
}

} // namespace loaders
