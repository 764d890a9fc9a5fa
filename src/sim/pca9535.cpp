#include "sim/pca9535.hpp"

namespace sim {

namespace {

constexpr std::uint8_t kOutput0 = 2;
constexpr std::uint8_t kPolarity0 = 4;
constexpr std::uint8_t kConfig0 = 6;

} // namespace

bool Pca9535::Start(I2cDirection direction) {
  state_.Edit().expectPointer = direction == I2cDirection::Write;
  return true;
}

std::uint8_t Pca9535::Register(std::uint8_t index) const {
  const auto& registers = state_->registers;
  index &= 7;
  if (index >= kOutput0)
    return registers[index];
  // Configuration bit set = input pin: its level through the polarity
  // inversion. Output pins read back what the output register drives.
  const std::uint8_t inputs = registers[kConfig0 + index];
  const std::uint8_t level =
      static_cast<std::uint8_t>(state_->pins[index] ^ registers[kPolarity0 + index]);
  return static_cast<std::uint8_t>((level & inputs) | (registers[kOutput0 + index] & ~inputs));
}

void Pca9535::WriteByte(std::uint8_t byte) {
  State& s = state_.Edit();
  if (s.expectPointer) {
    s.pointer = byte & 7;
    s.expectPointer = false;
    return;
  }
  if (s.pointer >= kOutput0)
    s.registers[s.pointer] = byte;
  s.pointer ^= 1; // the other register of the pair
}

std::uint8_t Pca9535::ReadByte() {
  const std::uint8_t value = Register(state_->pointer);
  state_.Edit().pointer ^= 1;
  return value;
}

} // namespace sim
