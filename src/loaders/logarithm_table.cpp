#include "loaders/logarithm_table.hpp"

#include <algorithm>
#include <array>

#include "device/requests.hpp"

namespace loaders {

LogarithmStream ReadLogarithmStream(TableTextReader& reader) {
  LogarithmStream stream;
  reader.ForEachNumber([&](std::int32_t number) {
    const std::size_t i = stream.count;
    if (i == 0)
      AppendPair(stream.bytes, kBankRegister, kLogFirstBank);
    if (i == kLogBankEntries)
      AppendPair(stream.bytes, kBankRegister, kLogSecondBank);
    const auto address = static_cast<std::uint16_t>(0x8000 | (i % kLogBankEntries));
    AppendPair(stream.bytes, address, static_cast<std::uint16_t>(number));
    ++stream.count;
    return stream.count < kLogMaxEntries;
  });
  return stream;
}

std::vector<std::vector<std::uint8_t>> LogarithmTransfers(std::span<const std::uint8_t> stream) {
  std::vector<std::vector<std::uint8_t>> transfers;
  std::array<std::uint8_t, kTransferBytes> buffer{};
  std::size_t position = 0;
  while (position < stream.size()) {
    const std::size_t chunk = std::min(stream.size() - position, kTransferBytes);
    std::copy_n(stream.begin() + static_cast<std::ptrdiff_t>(position), chunk, buffer.begin());
    const std::size_t length = std::max(chunk, kMinTransferBytes);
    if (transfers.empty()) {
      // Nothing sent before: the filler repeats the chunk's own last pair.
      for (std::size_t at = chunk; at < length; at += kPairSize)
        std::copy_n(buffer.begin() + static_cast<std::ptrdiff_t>(chunk - kPairSize), kPairSize,
                    buffer.begin() + static_cast<std::ptrdiff_t>(at));
    }
    transfers.emplace_back(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length));
    position += length;
  }
  return transfers;
}

} // namespace loaders
