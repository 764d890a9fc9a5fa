// Decoding of the property records the board accepts. Every record form is
// checked field by field; anything else is refused before it reaches the board.
#pragma once

#include <cstdint>

#include "platform/ks/hresult.hpp"

namespace sim {

enum class RequestKind {
  DeviceProbe,
  FpgaProbe,
  I2cWrite,
  I2cRead,
  GpioSet,
  GpioGet,
  UartWrite,
  UartRead,
  PairBlock,
  MultiBeamSet,
  ChannelBeamGet,
  ChannelBeamSet,
  FpgaGet,
  FpgaSet,
};

struct Request {
  RequestKind kind = RequestKind::DeviceProbe;
  // I2C address or GPIO line for vendor requests; register for FPGA requests.
  std::uint32_t target = 0;
};

// E_INVALIDARG for a malformed record or data length, E_PROP_ID_UNSUPPORTED
// for a set, id, flags or request code the board does not know.
ks::HResult DecodeRequest(const void* property, std::uint32_t propertyLength,
                          std::uint32_t dataLength, Request* request);

} // namespace sim
