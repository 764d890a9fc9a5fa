#include "sim/pca9537.hpp"

namespace sim {

namespace {

constexpr std::uint8_t kInput = 0;
constexpr std::uint8_t kOutput = 1;
constexpr std::uint8_t kPolarity = 2;
constexpr std::uint8_t kConfig = 3;
constexpr std::uint8_t kNoPins = 0xF0;

} // namespace

bool Pca9537::Start(I2cDirection direction) {
  state_.Edit().expectPointer = direction == I2cDirection::Write;
  return true;
}

std::uint8_t Pca9537::Register(std::uint8_t index) const {
  const auto& registers = state_->registers;
  index &= 3;
  if (index != kInput)
    return registers[index];
  const std::uint8_t inputs = registers[kConfig];
  const std::uint8_t level = static_cast<std::uint8_t>(state_->pins ^ registers[kPolarity]);
  const std::uint8_t port =
      static_cast<std::uint8_t>((level & inputs) | (registers[kOutput] & ~inputs));
  return static_cast<std::uint8_t>(kNoPins | (port & 0x0F));
}

void Pca9537::WriteByte(std::uint8_t byte) {
  State& s = state_.Edit();
  if (s.expectPointer) {
    s.pointer = byte & 3;
    s.expectPointer = false;
    return;
  }
  if (s.pointer != kInput)
    s.registers[s.pointer] = byte;
}

} // namespace sim
