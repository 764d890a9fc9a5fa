// The apodization filter: exactly 8192 numbers as pairs at 0x4000..0x5FFF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "loaders/table_text_reader.hpp"

namespace loaders {

constexpr std::size_t kApodEntries = 8192;
constexpr std::uint16_t kApodBase = 0x4000;

struct ApodFilter {
  std::vector<std::uint8_t> pairs; // the first 8192 entries' pairs
  std::size_t count = 0;           // numbers taken, at most 8193

  bool Complete() const { return count == kApodEntries; }
};

// Reads numbers across lines; stops at the 8193rd, since the count is then
// wrong whatever follows.
ApodFilter ReadApodFilter(TableTextReader& reader);

} // namespace loaders
