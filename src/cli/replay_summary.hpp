// How a replayed call that answered differently is shown: the request in the
// console's terms, then the recorded and the new result code and buffer.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/ks/hresult.hpp"
#include "platform/ks/trace.hpp"

namespace cli {

// "FPGA get 0x001f", "pairs 8 from 0x8000", "I2C write 0x4c", "GPIO set 26",
// "UART read", "property 3 get", "basic support DeviceRequestSet", ...
// call.property holds at least the 24-byte header.
std::string Summarize(const ks::PropertyEvent& call);

// "expected hr 0xHHHHHHHH out HEX, got hr 0xHHHHHHHH out HEX". A buffer of
// more than 16 bytes shows "@0xOFFSET" and up to 16 bytes from the first byte
// that differs; an empty one shows "-".
std::string DescribeDifference(const ks::PropertyEvent& expected, ks::HResult hr,
                               std::span<const std::uint8_t> out);

} // namespace cli
