// How the panels show values in their fields.
#pragma once

#include <cstdint>
#include <string>

namespace panels {

// "%x": lower-case hex, no prefix, no leading zeros.
std::string Hex(std::uint32_t value);

} // namespace panels
