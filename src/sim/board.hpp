// The simulated board behind the control channel: FPGA, I2C chips, the USB
// controller's GPIO lines and UART, and the two beamformer properties.
// Everything is inspectable and can be preset by tests and tools.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

#include "sim/eeprom.hpp"
#include "sim/emc2101.hpp"
#include "sim/fpga.hpp"
#include "sim/i2c_bus.hpp"
#include "sim/ltc2633.hpp"
#include "sim/pca9535.hpp"
#include "sim/pca9537.hpp"
#include "sim/watched.hpp"

namespace sim {

class Board {
public:
  static constexpr std::size_t kGpioLines = 64;

  Board();
  Board(const Board&) = delete;
  Board& operator=(const Board&) = delete;

  // Back to power-on state; state nothing wrote since is left alone.
  void Reset();

  Fpga& fpga() { return fpga_; }
  const Fpga& fpga() const { return fpga_; }
  Emc2101& emc2101() { return emc2101_; }
  Pca9535& pca9535() { return pca9535_; }
  Pca9537& pca9537() { return pca9537_; }
  Ltc2633& ltc2633() { return ltc2633_; }
  // Chip index 0..7, at I2C address 0x50 + index.
  Eeprom& eeprom(std::size_t chip) { return eeproms_[chip % Eeprom::kChips]; }

  bool I2cWrite(std::uint16_t address, std::span<const std::uint8_t> bytes) {
    return bus_.Write(address, bytes);
  }
  bool I2cRead(std::uint16_t address, std::span<std::uint8_t> bytes) {
    return bus_.Read(address, bytes);
  }

  std::optional<std::uint8_t> Gpio(std::uint16_t line) const;
  bool SetGpio(std::uint16_t line, std::uint8_t level);

  void UartWrite(std::span<const std::uint8_t> bytes);
  // Takes exactly bytes.size() bytes, or nothing when fewer are queued.
  bool UartRead(std::span<std::uint8_t> bytes);
  std::vector<std::uint8_t> UartQueue() const {
    return {controller_->uart.begin(), controller_->uart.end()};
  }
  void SetUartQueue(std::span<const std::uint8_t> bytes) {
    controller_.Edit().uart.assign(bytes.begin(), bytes.end());
  }

  std::uint32_t multiBeam() const { return controller_->multiBeam; }
  void set_multiBeam(std::uint32_t value) { controller_.Edit().multiBeam = value; }
  std::uint32_t channelBeam() const { return controller_->channelBeam; }
  void set_channelBeam(std::uint32_t value) { controller_.Edit().channelBeam = value; }

  // Moves with every write to any state of the board, reads that move a
  // pointer or drain a queue included.
  std::uint64_t writes() const;
  // The same state everywhere; the chips' wiring to the bus is not state.
  friend bool operator==(const Board& a, const Board& b);

private:
  // The USB controller's own state.
  struct Controller {
    std::array<std::uint8_t, kGpioLines> gpio{};
    std::deque<std::uint8_t> uart;
    std::uint32_t multiBeam = 0;
    std::uint32_t channelBeam = 0;
    friend bool operator==(const Controller&, const Controller&) = default;
  };

  Fpga fpga_;
  I2cBus bus_;
  Emc2101 emc2101_;
  Pca9535 pca9535_;
  Pca9537 pca9537_;
  Ltc2633 ltc2633_;
  std::array<Eeprom, Eeprom::kChips> eeproms_;
  Watched<Controller> controller_;
};

} // namespace sim
