#include "panels/common/field_format.hpp"

#include <cstdio>

namespace panels {

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%x", value);
  return text;
}

} // namespace panels
