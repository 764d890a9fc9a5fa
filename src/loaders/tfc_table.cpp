#include "loaders/tfc_table.hpp"

#include "device/requests.hpp"

namespace loaders {

std::optional<TfcBlockImage> ReadTfcBlock(TableTextReader& reader) {
  TfcBlockImage image{};
  for (std::size_t m = 0; m < kTfcRowsPerBlock * kTfcColumns * 2; ++m)
    PutPair(&image[m * kPairSize], static_cast<std::uint16_t>(kTfcWindow + m), 0);
  for (std::size_t r = 0; r < kTfcRowsPerBlock; ++r) {
    std::array<std::int32_t, kTfcColumns> row{};
    const auto taken = reader.ReadRow(row);
    if (!taken) {
      if (r == 0)
        return std::nullopt;
      break;
    }
    for (std::size_t c = 0; c < *taken; ++c) {
      const auto value = static_cast<std::uint32_t>(row[c]);
      const std::size_t m = r * kTfcColumns * 2 + c * 2;
      PutPair(&image[m * kPairSize], static_cast<std::uint16_t>(kTfcWindow + m),
              static_cast<std::uint16_t>(value));
      PutPair(&image[(m + 1) * kPairSize], static_cast<std::uint16_t>(kTfcWindow + m + 1),
              static_cast<std::uint16_t>(value >> 16));
    }
  }
  return image;
}

std::uint16_t TfcCommitWord(std::uint16_t register7, std::uint32_t block) {
  return static_cast<std::uint16_t>((register7 & 0x7F00) | (block & 0xFF));
}

TfcCommitBlock MakeTfcCommitBlock(std::uint16_t register7, std::uint32_t block) {
  const std::uint16_t c = TfcCommitWord(register7, block);
  const auto high = static_cast<std::uint16_t>(c | 0x8000);
  const std::array<std::uint16_t, 8> values{c, c, c, c, high, high, c, c};
  TfcCommitBlock commit{};
  for (std::size_t i = 0; i < values.size(); ++i)
    PutPair(&commit[i * kPairSize], kTfcCommitRegister, values[i]);
  return commit;
}

} // namespace loaders
