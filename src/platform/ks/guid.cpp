#include "platform/ks/guid.hpp"

#include <cstdio>
#include <stdexcept>

namespace ks {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// Reads `digits` hex digits from text at pos.
std::optional<std::uint32_t> ReadHex(std::string_view text, std::size_t pos, int digits) {
  std::uint32_t value = 0;
  for (int i = 0; i < digits; ++i) {
    const int d = HexDigit(text[pos + i]);
    if (d < 0)
      return std::nullopt;
    value = value << 4 | static_cast<std::uint32_t>(d);
  }
  return value;
}

} // namespace

std::array<std::uint8_t, 16> Guid::Bytes() const {
  std::array<std::uint8_t, 16> b{};
  for (int i = 0; i < 4; ++i)
    b[i] = static_cast<std::uint8_t>(data1 >> (8 * i));
  b[4] = static_cast<std::uint8_t>(data2);
  b[5] = static_cast<std::uint8_t>(data2 >> 8);
  b[6] = static_cast<std::uint8_t>(data3);
  b[7] = static_cast<std::uint8_t>(data3 >> 8);
  for (int i = 0; i < 8; ++i)
    b[8 + i] = data4[i];
  return b;
}

Guid Guid::FromBytes(const std::uint8_t* b) {
  Guid g;
  g.data1 = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
            static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
  g.data2 = static_cast<std::uint16_t>(b[4] | b[5] << 8);
  g.data3 = static_cast<std::uint16_t>(b[6] | b[7] << 8);
  for (int i = 0; i < 8; ++i)
    g.data4[i] = b[8 + i];
  return g;
}

std::string Guid::ToString() const {
  char text[39];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1,
                data2, data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5], data4[6],
                data4[7]);
  return text;
}

std::optional<Guid> Guid::Parse(std::string_view text) {
  if (text.size() == 38) {
    if (text.front() != '{' || text.back() != '}')
      return std::nullopt;
    text = text.substr(1, 36);
  }
  if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-')
    return std::nullopt;
  Guid g;
  const auto d1 = ReadHex(text, 0, 8);
  const auto d2 = ReadHex(text, 9, 4);
  const auto d3 = ReadHex(text, 14, 4);
  if (!d1 || !d2 || !d3)
    return std::nullopt;
  g.data1 = *d1;
  g.data2 = static_cast<std::uint16_t>(*d2);
  g.data3 = static_cast<std::uint16_t>(*d3);
  static constexpr std::size_t kByteAt[8] = {19, 21, 24, 26, 28, 30, 32, 34};
  for (int i = 0; i < 8; ++i) {
    const auto byte = ReadHex(text, kByteAt[i], 2);
    if (!byte)
      return std::nullopt;
    g.data4[i] = static_cast<std::uint8_t>(*byte);
  }
  return g;
}

Guid GuidOf(std::string_view text) {
  const auto g = Guid::Parse(text);
  if (!g)
    throw std::invalid_argument("malformed GUID: " + std::string(text));
  return *g;
}

} // namespace ks
