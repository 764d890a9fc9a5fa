// The device's property sets and the records sent on them, built byte by byte
// in little-endian order so that the layout holds on any host.
#pragma once

#include <array>
#include <cstdint>

#include "platform/ks/guid.hpp"

// Vendor requests (I2C, GPIO, UART), register-pair blocks and the beamformer
// selector properties.
extern const ks::Guid DeviceRequestSet;
// Single 16-bit FPGA registers.
extern const ks::Guid FpgaRegisterSet;
// The device filter category that discovery walks.
extern const ks::Guid VeltaDeviceCategory;

constexpr std::uint16_t REQ_UART_WRITE = 0xB7;
constexpr std::uint16_t REQ_UART_READ = 0xB8;
constexpr std::uint16_t REQ_I2C_WRITE = 0xBC;
constexpr std::uint16_t REQ_I2C_READ = 0xBD;
constexpr std::uint16_t REQ_GPIO_SET = 0xBE;
constexpr std::uint16_t REQ_GPIO_GET = 0xBF;

// Property ids on DeviceRequestSet.
constexpr std::uint32_t kDeviceVendorRequestId = 0;
constexpr std::uint32_t kRegisterPairBlockId = 1;
constexpr std::uint32_t kMultiBeamId = 2;
constexpr std::uint32_t kChannelAndBeamId = 3;

constexpr std::uint32_t kRecordSize = 32;
constexpr std::uint32_t kShortPropertySize = 24;
constexpr std::uint32_t kPairSize = 4;

using Record = std::array<std::uint8_t, kRecordSize>;
using ShortProperty = std::array<std::uint8_t, kShortPropertySize>;

// DeviceRequest: header, then request, value, index and length as u16.
Record DeviceRequest(std::uint32_t id, std::uint32_t flags, std::uint16_t request,
                     std::uint16_t value, std::uint16_t index, std::uint16_t length);

// FpgaRegisterRequest: header, a u32 zero, then the u32 register address.
Record FpgaRegisterRequest(std::uint32_t flags, std::uint32_t address);

// The 24-byte header alone, with a u32 as data.
ShortProperty ShortPropertyRecord(const ks::Guid& set, std::uint32_t id, std::uint32_t flags);

// Appends one register pair (address, value) to a byte buffer.
template <class Buffer> void AppendPair(Buffer& out, std::uint16_t address, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(address));
  out.push_back(static_cast<std::uint8_t>(address >> 8));
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// Writes one register pair at out[0..3].
inline void PutPair(std::uint8_t* out, std::uint16_t address, std::uint16_t value) {
  out[0] = static_cast<std::uint8_t>(address);
  out[1] = static_cast<std::uint8_t>(address >> 8);
  out[2] = static_cast<std::uint8_t>(value);
  out[3] = static_cast<std::uint8_t>(value >> 8);
}

// A block of eight identical pairs: how one register is written by block.
std::array<std::uint8_t, 32> RepeatedPairBlock(std::uint16_t address, std::uint16_t value);
