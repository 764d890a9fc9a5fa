// The logarithm loader on an arbitrary file: the stream holds the bank
// selections and the first 65536 numbers, and the transfers carry the stream
// in order, 32 to 1024 bytes each.
#include "device/requests.hpp"
#include "fuzz_check.hpp"
#include "loaders/logarithm_table.hpp"
#include "table_numbers.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Text(data, size);
  loaders::StringSource source(text);
  loaders::TableTextReader reader(source);
  const auto stream = loaders::ReadLogarithmStream(reader);
  const auto numbers = fuzz::TableNumbers(text);
  const std::size_t count = std::min(numbers.size(), loaders::kLogMaxEntries);
  FUZZ_CHECK(stream.count == count);
  const std::size_t selections = count == 0 ? 0 : count > loaders::kLogBankEntries ? 2 : 1;
  FUZZ_CHECK(stream.bytes.size() == (count + selections) * kPairSize);

  std::size_t position = 0;
  for (const auto& transfer : loaders::LogarithmTransfers(stream.bytes)) {
    FUZZ_CHECK(transfer.size() >= loaders::kMinTransferBytes);
    FUZZ_CHECK(transfer.size() <= loaders::kTransferBytes && transfer.size() % kPairSize == 0);
    const std::size_t own = std::min(transfer.size(), stream.bytes.size() - position);
    FUZZ_CHECK(
        std::equal(transfer.begin(), transfer.begin() + own, stream.bytes.begin() + position));
    position += transfer.size();
  }
  FUZZ_CHECK(position >= stream.bytes.size());
  return 0;
}
