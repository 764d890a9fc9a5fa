#include "sim/ltc2633.hpp"

namespace sim {

namespace {

enum Command : std::uint8_t {
  kWriteInput = 0,
  kUpdate = 1,
  kWriteInputUpdateAll = 2,
  kWriteUpdate = 3,
  kPowerDown = 4,
  kPowerDownChip = 5,
  kInternalReference = 6,
  kExternalReference = 7,
};

constexpr std::uint8_t kDacA = 0x0;
constexpr std::uint8_t kDacB = 0x1;
constexpr std::uint8_t kAllDacs = 0xF;
// The console sends 2 for both DACs; the chip treats it as all.
constexpr std::uint8_t kAllDacsAlternate = 0x2;

// Which channels an address nibble selects: bit 0 = A, bit 1 = B, 0 = none.
unsigned Selected(std::uint8_t address) {
  switch (address) {
  case kDacA:
    return 1;
  case kDacB:
    return 2;
  case kAllDacs:
  case kAllDacsAlternate:
    return 3;
  default:
    return 0;
  }
}

} // namespace

bool Ltc2633::Start(I2cDirection direction) {
  state_.Edit().received = 0;
  return direction == I2cDirection::Write;
}

void Ltc2633::WriteByte(std::uint8_t byte) {
  State& s = state_.Edit();
  s.pending[s.received++] = byte;
  if (s.received == s.pending.size()) {
    Execute(s.pending[0], s.pending[1]);
    s.received = 0;
  }
}

void Ltc2633::Execute(std::uint8_t commandByte, std::uint8_t code) {
  const std::uint8_t command = commandByte >> 4;
  const unsigned selected = Selected(commandByte & 0x0F);
  const bool commandNeedsAddress = command <= kPowerDown;
  if (commandNeedsAddress && selected == 0)
    return;
  State& s = state_.Edit();
  auto& channels = s.channels;
  auto forEach = [&](auto&& action) {
    for (int i = 0; i < 2; ++i)
      if (selected & (1u << i))
        action(channels[i]);
  };
  // An update also powers a DAC back up.
  auto update = [](Channel& c) {
    c.dac = c.input;
    c.poweredDown = false;
  };
  switch (command) {
  case kWriteInput:
    forEach([&](Channel& c) { c.input = code; });
    break;
  case kUpdate:
    forEach(update);
    break;
  case kWriteInputUpdateAll:
    forEach([&](Channel& c) { c.input = code; });
    for (Channel& c : channels)
      update(c);
    break;
  case kWriteUpdate:
    forEach([&](Channel& c) {
      c.input = code;
      update(c);
    });
    break;
  case kPowerDown:
    forEach([](Channel& c) { c.poweredDown = true; });
    break;
  case kPowerDownChip:
    for (Channel& c : channels)
      c.poweredDown = true;
    break;
  case kInternalReference:
    s.reference = Reference::Internal;
    break;
  case kExternalReference:
    s.reference = Reference::External;
    break;
  default:
    break;
  }
}

} // namespace sim
