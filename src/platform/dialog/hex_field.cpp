#include "platform/dialog/hex_field.hpp"

#include <limits>

namespace dlg {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

} // namespace

std::int32_t ParseHexField(std::string_view text, std::int32_t preset) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i]))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // "0x" counts as a prefix only when a hex digit follows; otherwise the 0 is
  // the number and the scan stops at the x.
  if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
      HexValue(text[i + 2]) >= 0)
    i += 2;
  if (i >= text.size() || HexValue(text[i]) < 0)
    return preset;

  // Accumulate as the C library does: in an unsigned long, saturating on
  // overflow, then stored into 32 bits.
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t value = 0;
  bool overflow = false;
  for (; i < text.size() && HexValue(text[i]) >= 0; ++i) {
    if (value > (kMax >> 4))
      overflow = true;
    value = value << 4 | static_cast<std::uint64_t>(HexValue(text[i]));
  }
  if (overflow)
    value = kMax;
  else if (negative)
    value = 0 - value;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

} // namespace dlg
