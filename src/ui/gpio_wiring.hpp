// The GPIO lines behind the dialog's check boxes: the opening shows each
// line's level in its box, a click drives the line from its box, and the
// command line's gpio command finds the box of a line here.
#pragma once

#include <cstdint>
#include <string>

#include "ui/resource.hpp"

struct GpioBox {
  std::uint16_t line;
  int id;
};

constexpr GpioBox kGpioBoxes[] = {
    {26, IDC_POWER_ON}, {27, IDC_I2C_ENABLE}, {45, IDC_GPIO45}, {50, IDC_GPIO50},
    {51, IDC_GPIO51},   {52, IDC_GPIO52},     {57, IDC_GPIO57},
};

// The line of a GPIO check box; 0 for a control that is none.
constexpr std::uint16_t GpioLineOf(int id) {
  for (const GpioBox& box : kGpioBoxes)
    if (box.id == id)
      return box.line;
  return 0;
}

// The lines in table order, as "26, 27, ... or 57".
std::string GpioLineList();
