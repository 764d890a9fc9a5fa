// The numbers of a table text, read independently of the loader under test.
#pragma once

#include <string>
#include <vector>

#include "loaders/table_text_reader.hpp"

namespace fuzz {

inline std::vector<std::vector<std::int32_t>> TableLines(const std::string& text) {
  loaders::StringSource source(text);
  loaders::TableTextReader reader(source);
  std::vector<std::vector<std::int32_t>> lines;
  while (reader.NextLine()) {
    lines.emplace_back();
    while (const auto number = reader.NextNumber())
      lines.back().push_back(*number);
  }
  return lines;
}

inline std::vector<std::int32_t> TableNumbers(const std::string& text) {
  std::vector<std::int32_t> numbers;
  for (const auto& line : TableLines(text))
    numbers.insert(numbers.end(), line.begin(), line.end());
  return numbers;
}

} // namespace fuzz
