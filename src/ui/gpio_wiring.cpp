#include "ui/gpio_wiring.hpp"

#include <iterator>

std::string GpioLineList() {
  std::string text;
  for (auto box = std::begin(kGpioBoxes); box != std::end(kGpioBoxes); ++box) {
    if (box != std::begin(kGpioBoxes))
      text += box + 1 == std::end(kGpioBoxes) ? " or " : ", ";
    text += std::to_string(box->line);
  }
  return text;
}
