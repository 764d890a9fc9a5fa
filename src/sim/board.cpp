#include "sim/board.hpp"

#include <numeric>

namespace sim {

Board::Board() {
  bus_.Attach(Emc2101::kAddress, emc2101_);
  bus_.Attach(Pca9535::kAddress, pca9535_);
  bus_.Attach(Pca9537::kAddress, pca9537_);
  bus_.Attach(Ltc2633::kAddress, ltc2633_);
  for (std::size_t i = 0; i < eeproms_.size(); ++i)
    bus_.Attach(static_cast<std::uint8_t>(Eeprom::kFirstAddress + i), eeproms_[i]);
}

void Board::Reset() {
  fpga_.Reset();
  emc2101_.Reset();
  pca9535_.Reset();
  pca9537_.Reset();
  ltc2633_.Reset();
  for (Eeprom& chip : eeproms_)
    chip.Reset();
  controller_.Reset();
}

std::uint64_t Board::writes() const {
  return std::accumulate(eeproms_.begin(), eeproms_.end(),
                         fpga_.writes() + emc2101_.writes() + pca9535_.writes() +
                             pca9537_.writes() + ltc2633_.writes() + controller_.writes(),
                         [](std::uint64_t sum, const Eeprom& chip) { return sum + chip.writes(); });
}

bool operator==(const Board& a, const Board& b) {
  return a.fpga_ == b.fpga_ && a.emc2101_ == b.emc2101_ && a.pca9535_ == b.pca9535_ &&
         a.pca9537_ == b.pca9537_ && a.ltc2633_ == b.ltc2633_ && a.eeproms_ == b.eeproms_ &&
         a.controller_ == b.controller_;
}

std::optional<std::uint8_t> Board::Gpio(std::uint16_t line) const {
  if (line >= kGpioLines)
    return std::nullopt;
  return controller_->gpio[line];
}

bool Board::SetGpio(std::uint16_t line, std::uint8_t level) {
  if (line >= kGpioLines)
    return false;
  controller_.Edit().gpio[line] = level;
  return true;
}

void Board::UartWrite(std::span<const std::uint8_t> bytes) {
  auto& uart = controller_.Edit().uart;
  uart.insert(uart.end(), bytes.begin(), bytes.end());
}

bool Board::UartRead(std::span<std::uint8_t> bytes) {
  if (controller_->uart.size() < bytes.size())
    return false;
  auto& uart = controller_.Edit().uart;
  for (std::uint8_t& byte : bytes) {
    byte = uart.front();
    uart.pop_front();
  }
  return true;
}

} // namespace sim
