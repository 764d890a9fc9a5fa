#include "sim/board.hpp"

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
  gpio_.fill(0);
  uart_.clear();
  multiBeam_ = 0;
  channelBeam_ = 0;
}

std::optional<std::uint8_t> Board::Gpio(std::uint16_t line) const {
  if (line >= kGpioLines)
    return std::nullopt;
  return gpio_[line];
}

bool Board::SetGpio(std::uint16_t line, std::uint8_t level) {
  if (line >= kGpioLines)
    return false;
  gpio_[line] = level;
  return true;
}

void Board::UartWrite(std::span<const std::uint8_t> bytes) {
  uart_.insert(uart_.end(), bytes.begin(), bytes.end());
}

bool Board::UartRead(std::span<std::uint8_t> bytes) {
  if (uart_.size() < bytes.size())
    return false;
  for (std::uint8_t& byte : bytes) {
    byte = uart_.front();
    uart_.pop_front();
  }
  return true;
}

} // namespace sim
