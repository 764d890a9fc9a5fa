// The apodization loader's read of an arbitrary file: the count is right and
// the pairs carry the first 8192 numbers at 0x4000 on.
#include "device/requests.hpp"
#include "fuzz_check.hpp"
#include "loaders/apod_filter.hpp"
#include "table_numbers.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Text(data, size);
  loaders::StringSource source(text);
  loaders::TableTextReader reader(source);
  const auto filter = loaders::ReadApodFilter(reader);
  const auto numbers = fuzz::TableNumbers(text);
  FUZZ_CHECK(filter.count == std::min(numbers.size(), loaders::kApodEntries + 1));
  const std::size_t kept = std::min(numbers.size(), loaders::kApodEntries);
  FUZZ_CHECK(filter.pairs.size() == kept * kPairSize);
  for (std::size_t i = 0; i < kept; ++i) {
    const auto address = loaders::kApodBase + i;
    const auto value = static_cast<std::uint16_t>(numbers[i]);
    FUZZ_CHECK(filter.pairs[4 * i] == (address & 0xFF) && filter.pairs[4 * i + 1] == address >> 8);
    FUZZ_CHECK(filter.pairs[4 * i + 2] == (value & 0xFF) && filter.pairs[4 * i + 3] == value >> 8);
  }
  return 0;
}
