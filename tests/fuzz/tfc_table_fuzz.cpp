// The TFC loader's blocks for an arbitrary file: block b row r holds the first
// 32 numbers of line 8b + r as low and high halves, zeros elsewhere.
#include "device/requests.hpp"
#include "fuzz_check.hpp"
#include "loaders/tfc_table.hpp"
#include "table_numbers.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Text(data, size);
  const auto lines = fuzz::TableLines(text);
  loaders::StringSource source(text);
  loaders::TableTextReader reader(source);
  std::size_t blocks = 0;
  for (; blocks < loaders::kTfcBlocks; ++blocks) {
    const auto image = loaders::ReadTfcBlock(reader);
    if (!image)
      break;
    for (std::size_t m = 0; m < image->size() / kPairSize; ++m) {
      const std::size_t line = blocks * loaders::kTfcRowsPerBlock + m / (2 * loaders::kTfcColumns);
      const std::size_t column = m % (2 * loaders::kTfcColumns) / 2;
      std::uint16_t expected = 0;
      if (line < lines.size() && column < lines[line].size()) {
        const auto value = static_cast<std::uint32_t>(lines[line][column]);
        expected = static_cast<std::uint16_t>(m % 2 == 0 ? value : value >> 16);
      }
      const auto address = loaders::kTfcWindow + m;
      const std::uint8_t* pair = image->data() + m * kPairSize;
      FUZZ_CHECK(pair[0] == (address & 0xFF) && pair[1] == address >> 8);
      FUZZ_CHECK(pair[2] == (expected & 0xFF) && pair[3] == expected >> 8);
    }
  }
  const std::size_t expectedBlocks =
      std::min((lines.size() + loaders::kTfcRowsPerBlock - 1) / loaders::kTfcRowsPerBlock,
               loaders::kTfcBlocks);
  FUZZ_CHECK(blocks == expectedBlocks);
  return 0;
}
