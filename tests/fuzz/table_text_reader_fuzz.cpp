// The table text reader on arbitrary bytes: the numbers of every line must
// not depend on where the chunks happen to end.
#include <vector>

#include "fuzz_check.hpp"
#include "loaders/table_text_reader.hpp"

namespace {

using Lines = std::vector<std::vector<std::int32_t>>;

Lines ReadLines(const std::string& text, std::size_t chunkSize) {
  loaders::StringSource source(text);
  loaders::TableTextReader reader(source, chunkSize);
  Lines lines;
  while (reader.NextLine()) {
    lines.emplace_back();
    while (const auto number = reader.NextNumber())
      lines.back().push_back(*number);
  }
  FUZZ_CHECK(!reader.Failed());
  return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  // The first byte picks a small chunk size, so that chunk ends fall
  // everywhere, CR LF pairs included.
  const std::size_t smallChunk = 1 + data[0] % 16;
  const std::string text = fuzz::Text(data + 1, size - 1);
  const Lines whole = ReadLines(text, loaders::TableTextReader::kDefaultChunkSize);
  FUZZ_CHECK(ReadLines(text, smallChunk) == whole);

  // All numbers across lines, as the apodization and logarithm loaders take
  // them (lines of one number go through a faster path), are the lines'
  // numbers in order, whatever the chunk size.
  std::vector<std::int32_t> flat;
  for (const auto& line : whole)
    flat.insert(flat.end(), line.begin(), line.end());
  for (const std::size_t chunk : {smallChunk, loaders::TableTextReader::kDefaultChunkSize}) {
    loaders::StringSource all(text);
    loaders::TableTextReader numbers(all, chunk);
    std::vector<std::int32_t> taken;
    numbers.ForEachNumber([&](std::int32_t n) {
      taken.push_back(n);
      return true;
    });
    FUZZ_CHECK(taken == flat);
  }

  // Rows of at most four numbers are the first four of each line.
  loaders::StringSource source(text);
  loaders::TableTextReader reader(source, smallChunk);
  std::int32_t row[4];
  for (const auto& line : whole) {
    const auto taken = reader.ReadRow(row);
    FUZZ_CHECK(taken.has_value());
    FUZZ_CHECK(*taken == std::min<std::size_t>(line.size(), 4));
    for (std::size_t i = 0; i < *taken; ++i)
      FUZZ_CHECK(row[i] == line[i]);
  }
  FUZZ_CHECK(!reader.ReadRow(row).has_value());
  return 0;
}
