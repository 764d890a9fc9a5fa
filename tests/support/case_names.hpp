// Readable names for parameterised cases that stay the same from run to run
// (CTest lists them and `ctest -R` picks them): the row's number, then the
// text the row is known by.
#pragma once

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace support {

// "3_set_1001_12zz": the row number, then the text with each run of other
// characters than letters and digits as one '_', cut at 48 characters.
inline std::string CaseName(std::size_t index, std::string_view text) {
  std::string name = std::to_string(index) + "_";
  for (const char c : text) {
    if (name.size() >= 48)
      break;
    if (std::isalnum(static_cast<unsigned char>(c)) != 0)
      name += c;
    else if (name.back() != '_')
      name += '_';
  }
  if (name.back() == '_')
    name.pop_back();
  return name;
}

inline std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const auto& word : words)
    text += (text.empty() ? "" : " ") + word;
  return text;
}

// The name generator of INSTANTIATE_TEST_SUITE_P for rows known by text(row).
template <class Text> auto NamedBy(Text text) {
  return [text](const auto& info) { return CaseName(info.index, text(info.param)); };
}

} // namespace support
