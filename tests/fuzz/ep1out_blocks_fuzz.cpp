// The EP1OUT upload's blocks for an arbitrary start field and file bytes:
// word i of the file goes to start + i, blocks never exceed the length field.
#include <string>

#include "device/requests.hpp"
#include "fuzz_check.hpp"
#include "loaders/ep1out_blocks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  // The first byte is the field's length, then the field, then the file.
  const std::size_t fieldLength = std::min<std::size_t>(data[0] % 16, size - 1);
  const std::string field = fuzz::Text(data + 1, fieldLength);
  const auto file = fuzz::Bytes(data + 1 + fieldLength, size - 1 - fieldLength);
  const std::uint16_t start = loaders::Ep1outStartAddress(field);
  loaders::StringSource source(std::string(file.begin(), file.end()));
  loaders::Ep1outBlockReader reader(source, file.size(), start);
  std::size_t word = 0;
  std::size_t blocks = 0;
  for (; reader.Next(); ++blocks) {
    const auto block = reader.Block();
    FUZZ_CHECK(block.size() % kPairSize == 0);
    FUZZ_CHECK(block.size() <= loaders::kMaxPairsPerBlock * kPairSize);
    FUZZ_CHECK(!block.empty() || blocks == 0);
    for (std::size_t at = 0; at < block.size(); at += kPairSize, ++word) {
      const auto address = static_cast<std::uint16_t>(start + word);
      FUZZ_CHECK(block[at] == (address & 0xFF) && block[at + 1] == (address >> 8));
      FUZZ_CHECK(block[at + 2] == file[2 * word] && block[at + 3] == file[2 * word + 1]);
    }
  }
  FUZZ_CHECK(blocks > 0);
  FUZZ_CHECK(word == file.size() / 2);
  return 0;
}
