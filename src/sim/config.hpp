// The one configuration syntax of the simulated board: KEY=VALUE settings,
// applied in order. Addresses, values and bytes are hexadecimal with an
// optional 0x prefix; lines, counts and call numbers are decimal.
//
//   boards=N  pid=XXXX  device-support=MODE  fpga-support=MODE
//       (MODE: getset, get, set, none, short)
//   bind-fail=N  no-control=N              the Nth moniker, from 1
//   reg.ADDR=VALUE                         at 0x8000 and above: the current bank
//   gpio.LINE=LEVEL  chanbeam=VALUE  uart=HEXBYTES  eeprom.CHIP.ADDR=HEXBYTES
//   i2c-absent=ADDR
//   fail=call:N  fail=fpga-get:ADDR  fail=fpga-set:ADDR  fail=pairs
//   fail=pairs:N  fail=chanbeam-get
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sim/board.hpp"
#include "sim/faults.hpp"
#include "sim/sim_catalog.hpp"

namespace sim {

struct Setup {
  CatalogOptions& catalog;
  Board& board;
  Faults& faults;
};

// The settings as both programs' --help lists them.
extern const std::string_view kSettingsHelp;

// Applies one setting; on error returns a message naming the bad key or
// value and changes nothing.
std::optional<std::string> ApplySetting(std::string_view setting, Setup& setup);

} // namespace sim
