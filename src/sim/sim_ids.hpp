// The identifiers the simulated board answers to. The board keeps its own
// copies: it stands where the device's driver would, not behind the console.
#pragma once

#include <cstdint>

#include "platform/ks/guid.hpp"

namespace sim {

const ks::Guid& DeviceRequestSetId();
const ks::Guid& FpgaRegisterSetId();
const ks::Guid& DeviceCategoryId();

constexpr std::uint16_t kReqUartWrite = 0xB7;
constexpr std::uint16_t kReqUartRead = 0xB8;
constexpr std::uint16_t kReqI2cWrite = 0xBC;
constexpr std::uint16_t kReqI2cRead = 0xBD;
constexpr std::uint16_t kReqGpioSet = 0xBE;
constexpr std::uint16_t kReqGpioGet = 0xBF;

constexpr std::uint32_t kVendorRequestId = 0;
constexpr std::uint32_t kPairBlockId = 1;
constexpr std::uint32_t kMultiBeamId = 2;
constexpr std::uint32_t kChannelBeamId = 3;

constexpr std::uint32_t kLongRecordSize = 32;
constexpr std::uint32_t kShortRecordSize = 24;

} // namespace sim
