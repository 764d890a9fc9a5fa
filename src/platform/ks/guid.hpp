// GUID with the Windows in-memory layout: a u32, two u16 and eight bytes, the
// first three fields little-endian on the wire.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ks {

struct Guid {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::array<std::uint8_t, 8> data4{};

  friend bool operator==(const Guid&, const Guid&) = default;

  // The 16 bytes as they lie in memory on Windows.
  std::array<std::uint8_t, 16> Bytes() const;
  static Guid FromBytes(const std::uint8_t* bytes);

  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hex.
  std::string ToString() const;
  // Accepts the text form with or without braces, either case.
  static std::optional<Guid> Parse(std::string_view text);
};

// For constant identifiers; the text must be well formed.
Guid GuidOf(std::string_view text);

} // namespace ks
