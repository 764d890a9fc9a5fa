#include "sim/config.hpp"

#include <charconv>
#include <cstdint>
#include <vector>

namespace sim {

const std::string_view kSettingsHelp =
    R"(Settings of the simulated board (--sim-set KEY=VALUE, applied in order;
addresses, values and bytes hexadecimal with an optional 0x, the rest decimal):
  boards=N                 matching boards in the catalog (0: no device)
  pid=XXXX                 USB product id in the device path
  device-support=MODE      answer of each property set's support probe,
  fpga-support=MODE        MODE one of getset, get, set, none, short
  bind-fail=N              the Nth device of the catalog cannot be bound
  no-control=N             the Nth device has no control interface
  reg.ADDR=VALUE           FPGA register (0x8000 and above: the current bank)
  gpio.LINE=LEVEL          GPIO line level
  chanbeam=VALUE           channel-and-beam property
  uart=HEXBYTES            bytes waiting in the UART
  eeprom.CHIP.ADDR=HEXBYTES  bytes in EEPROM chip 0..7 from ADDR on
  i2c-absent=ADDR          no chip answers at this I2C address
  fail=call:N              the Nth property call fails (the probes count)
  fail=fpga-get:ADDR       gets of this FPGA register fail
  fail=fpga-set:ADDR       sets of this FPGA register fail
  fail=pairs               every register-pair block fails
  fail=pairs:N             the Nth register-pair block fails
  fail=chanbeam-get        the get of the channel-and-beam property fails
                           each fail= may end in :0xCODE, the result code the
                           call fails with (default 0x8007001f)
)";

namespace {

constexpr std::uint32_t kMaxBoards = 16;
constexpr std::uint32_t kMaxI2cAddress = 0x7F;

std::optional<std::uint64_t> ParseNumber(std::string_view text, int base) {
  if (base == 16 && (text.starts_with("0x") || text.starts_with("0X")))
    text.remove_prefix(2);
  std::uint64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

std::optional<std::uint32_t> Hex(std::string_view text, std::uint64_t max) {
  const auto value = ParseNumber(text, 16);
  if (!value || *value > max)
    return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}

std::optional<std::uint64_t> Decimal(std::string_view text, std::uint64_t min, std::uint64_t max) {
  const auto value = ParseNumber(text, 10);
  if (!value || *value < min || *value > max)
    return std::nullopt;
  return value;
}

std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view text) {
  if (text.starts_with("0x") || text.starts_with("0X"))
    text.remove_prefix(2);
  if (text.empty() || text.size() % 2 != 0)
    return std::nullopt;
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const auto byte = ParseNumber(text.substr(i, 2), 16);
    if (!byte)
      return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(*byte));
  }
  return bytes;
}

std::string BadValue(std::string_view key, std::string_view value) {
  return "bad value '" + std::string(value) + "' for '" + std::string(key) + "'";
}

std::string BadKey(std::string_view key) {
  return "unknown key '" + std::string(key) + "'";
}

std::optional<ks::HResult> FaultCode(std::string_view code) {
  if (!code.starts_with("0x") && !code.starts_with("0X"))
    return std::nullopt;
  const auto hr = Hex(code, 0xFFFFFFFF);
  if (!hr || *hr < 0x80000000u)
    return std::nullopt;
  return static_cast<ks::HResult>(*hr);
}

// KIND[:ARG][:0xCODE]; the code must be a failure code.
std::optional<std::string> ApplyFault(std::string_view value, Faults& faults) {
  std::vector<std::string_view> parts;
  for (std::string_view rest = value;;) {
    const auto colon = rest.find(':');
    parts.push_back(rest.substr(0, colon));
    if (colon == std::string_view::npos)
      break;
    rest.remove_prefix(colon + 1);
  }
  const std::string_view kind = parts[0];
  const bool takesArg = kind == "call" || kind == "fpga-get" || kind == "fpga-set" ||
                        (kind == "pairs" && parts.size() > 1 && !FaultCode(parts[1]));
  const std::size_t named = takesArg ? 2 : 1;
  if (parts.size() < named || parts.size() > named + 1)
    return BadValue("fail", value);
  const auto hr = parts.size() > named ? FaultCode(parts[named]) : kTransferFailed;
  if (!hr)
    return BadValue("fail", value);

  if (kind == "pairs" && !takesArg) {
    faults.FailEveryPairBlock(*hr);
    return std::nullopt;
  }
  if (kind == "chanbeam-get") {
    faults.FailChannelBeamGet(*hr);
    return std::nullopt;
  }
  if (kind == "call" || kind == "pairs") {
    const auto n = Decimal(parts[1], 1, UINT64_MAX);
    if (!n)
      return BadValue("fail", value);
    kind == "call" ? faults.FailCall(*n, *hr) : faults.FailPairBlock(*n, *hr);
    return std::nullopt;
  }
  if (kind == "fpga-get" || kind == "fpga-set") {
    const auto address = Hex(parts[1], 0xFFFFFFFF);
    if (!address)
      return BadValue("fail", value);
    kind == "fpga-get" ? faults.FailFpgaGet(*address, *hr) : faults.FailFpgaSet(*address, *hr);
    return std::nullopt;
  }
  return BadValue("fail", value);
}

std::optional<std::string> ApplyProbe(std::string_view key, std::string_view value,
                                      ProbeAnswer& answer) {
  const auto parsed = ParseProbeAnswer(value);
  if (!parsed)
    return BadValue(key, value);
  answer = *parsed;
  return std::nullopt;
}

std::optional<std::string> ApplyCount(std::string_view key, std::string_view value, int min,
                                      int max, int& target) {
  const auto n = Decimal(value, static_cast<std::uint64_t>(min), static_cast<std::uint64_t>(max));
  if (!n)
    return BadValue(key, value);
  target = static_cast<int>(*n);
  return std::nullopt;
}

// reg.ADDR, gpio.LINE and eeprom.CHIP.ADDR.
std::optional<std::string> ApplyIndexed(std::string_view key, std::string_view value,
                                        Setup& setup) {
  const auto dot = key.find('.');
  const std::string_view group = key.substr(0, dot);
  const std::string_view index = key.substr(dot + 1);
  if (group == "reg") {
    const auto address = Hex(index, 0xFFFF);
    if (!address)
      return "bad register in '" + std::string(key) + "'";
    const auto word = Hex(value, 0xFFFF);
    if (!word)
      return BadValue(key, value);
    setup.board.fpga().PresetRegister(static_cast<std::uint16_t>(*address),
                                      static_cast<std::uint16_t>(*word));
    return std::nullopt;
  }
  if (group == "gpio") {
    const auto line = Decimal(index, 0, Board::kGpioLines - 1);
    if (!line)
      return "bad line in '" + std::string(key) + "'";
    const auto level = Hex(value, 0xFF);
    if (!level)
      return BadValue(key, value);
    setup.board.SetGpio(static_cast<std::uint16_t>(*line), static_cast<std::uint8_t>(*level));
    return std::nullopt;
  }
  if (group == "eeprom") {
    const auto dot2 = index.find('.');
    const auto chip = Decimal(index.substr(0, dot2), 0, Eeprom::kChips - 1);
    const auto address = dot2 == std::string_view::npos
                             ? std::nullopt
                             : Hex(index.substr(dot2 + 1), Eeprom::kSize - 1);
    if (!chip || !address)
      return "bad chip or address in '" + std::string(key) + "'";
    const auto bytes = HexBytes(value);
    if (!bytes || *address + bytes->size() > Eeprom::kSize)
      return BadValue(key, value);
    Eeprom& eeprom = setup.board.eeprom(*chip);
    for (std::size_t i = 0; i < bytes->size(); ++i)
      eeprom.SetByte(static_cast<std::uint16_t>(*address + i), (*bytes)[i]);
    return std::nullopt;
  }
  return BadKey(key);
}

} // namespace

std::optional<std::string> ApplySetting(std::string_view setting, Setup& setup) {
  const auto equals = setting.find('=');
  if (equals == std::string_view::npos)
    return "expected KEY=VALUE, got '" + std::string(setting) + "'";
  const std::string_view key = setting.substr(0, equals);
  const std::string_view value = setting.substr(equals + 1);
  CatalogOptions& catalog = setup.catalog;

  if (key == "boards")
    return ApplyCount(key, value, 0, kMaxBoards, catalog.boards);
  if (key == "bind-fail")
    return ApplyCount(key, value, 1, kMaxBoards, catalog.bindFail);
  if (key == "no-control")
    return ApplyCount(key, value, 1, kMaxBoards, catalog.noControl);
  if (key == "pid") {
    const auto pid = Hex(value, 0xFFFF);
    if (!pid)
      return BadValue(key, value);
    catalog.productId = static_cast<std::uint16_t>(*pid);
    return std::nullopt;
  }
  if (key == "device-support")
    return ApplyProbe(key, value, catalog.probes.deviceSet);
  if (key == "fpga-support")
    return ApplyProbe(key, value, catalog.probes.fpgaSet);
  if (key == "chanbeam") {
    const auto word = Hex(value, 0xFFFFFFFF);
    if (!word)
      return BadValue(key, value);
    setup.board.set_channelBeam(*word);
    return std::nullopt;
  }
  if (key == "uart") {
    const auto bytes = HexBytes(value);
    if (!bytes)
      return BadValue(key, value);
    setup.board.UartWrite(*bytes);
    return std::nullopt;
  }
  if (key == "i2c-absent") {
    const auto address = Hex(value, kMaxI2cAddress);
    if (!address)
      return BadValue(key, value);
    setup.faults.MakeI2cAbsent(static_cast<std::uint16_t>(*address));
    return std::nullopt;
  }
  if (key == "fail")
    return ApplyFault(value, setup.faults);
  if (key.find('.') != std::string_view::npos)
    return ApplyIndexed(key, value, setup);
  return BadKey(key);
}

} // namespace sim
