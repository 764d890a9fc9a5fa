// The FPGA's banked table window at 0x8000..0xFFFF and its bank register.
#pragma once

#include <cstdint>

namespace loaders {

constexpr std::uint16_t kBankRegister = 4;
constexpr std::uint32_t kTableWindow = 0x8000;

} // namespace loaders
