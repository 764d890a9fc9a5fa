// The kernel-streaming property header and the control channel that carries it.
#pragma once

#include <array>
#include <cstdint>

#include "platform/ks/guid.hpp"
#include "platform/ks/hresult.hpp"
#include "platform/ks/unknown.hpp"

namespace ks {

constexpr std::uint32_t KSPROPERTY_TYPE_GET = 0x1;
constexpr std::uint32_t KSPROPERTY_TYPE_SET = 0x2;
constexpr std::uint32_t KSPROPERTY_TYPE_BASICSUPPORT = 0x200;

constexpr std::uint32_t kPropertyHeaderSize = 24;

// Set, Id and Flags: the 24 bytes every property record starts with.
struct KsPropertyHeader {
  Guid set;
  std::uint32_t id = 0;
  std::uint32_t flags = 0;

  void WriteTo(std::uint8_t* out) const;
  static KsPropertyHeader ReadFrom(const std::uint8_t* in);
};

// The device's control interface. One synchronous request per call: the record
// says what to do, the driver fills (get) or consumes (set) the data buffer.
// A negative result is a failure; on failure a get leaves the buffer untouched.
class KsControl : public Unknown {
public:
  virtual HResult KsProperty(const void* property, std::uint32_t propertyLength, void* data,
                             std::uint32_t dataLength, std::uint32_t* bytesReturned) = 0;
};

// Little-endian field helpers for building records byte by byte.
inline void PutU16(std::uint8_t* out, std::uint16_t v) {
  out[0] = static_cast<std::uint8_t>(v);
  out[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void PutU32(std::uint8_t* out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline std::uint16_t GetU16(const std::uint8_t* in) {
  return static_cast<std::uint16_t>(in[0] | in[1] << 8);
}
inline std::uint32_t GetU32(const std::uint8_t* in) {
  return static_cast<std::uint32_t>(in[0]) | static_cast<std::uint32_t>(in[1]) << 8 |
         static_cast<std::uint32_t>(in[2]) << 16 | static_cast<std::uint32_t>(in[3]) << 24;
}

} // namespace ks
