#include "cli/usage.hpp"

#include <string>

#include "sim/config.hpp"
#include "startup/options.hpp"

namespace cli {

const std::string_view kUsageLine = "Usage: velta-cli [OPTIONS] [COMMAND [ARGS]] [';' COMMAND ...]";

const std::string_view kHelpText = R"(Usage: velta-cli [OPTIONS] [COMMAND [ARGS]] [';' COMMAND ...]

Drives the Velta Editor dialog without a window. Discovery and the dialog's
opening run as at start-up; then each command types into fields, selects,
ticks and clicks through the dialog's own handlers and prints what the dialog
shows. Commands on the command line are separated by a ';' argument. With no
command, commands come from standard input: a prompt (with 'help' and 'quit')
on a terminal, a script otherwise.

Raw commands (any control by its template id, decimal):
  set ID TEXT           window text of the control; TEXT is the rest of the
                        command and may be empty
  get ID                print the window text (a button prints its caption)
  select ID INDEX       select entry INDEX (-1: none), then the selection change
  check ID 0|1          set the check box, then its click
  click ID              the click of a button or check box (1 OK and 2 Cancel
                        end the dialog; later commands do not run)
  file PATH             answer the next file dialog with PATH ('file -' cancels)
  show                  every control, one line each:
                        ID KIND "TEXT" check=0|1 sel=INDEX enabled=0|1
                        KIND: button checkbox edit combo static progress;
                        TEXT escapes '"', '\' and control characters (\xNN)
select, check and click act whether the control is enabled or not.

Named commands (values are typed into the fields as given):
  emc2101 write REG DATA      set 1001, set 1002, click 1003
  emc2101 read REG            set 1001, click 1004, print 1002
  pca9535 write VALUE         set 1005, click 1006
  pca9535 read                click 1007, print 1005
  ltc2633 CMD DAC CODE        select 1015 CMD, select 1016 DAC, set 1017, click 1018
  pca9537 write REG DATA      select 1029 REG, set 1026, click 1027
  pca9537 read REG            select 1029 REG, click 1028, print 1026
  eeprom write CHIP ADDR DATA select 1030 CHIP, set 1031, set 1032, click 1033
  eeprom read CHIP ADDR       select 1030 CHIP, set 1031, click 1034, print 1032
  gpio LINE 0|1               check the box of line 26, 27, 45, 50, 51, 52 or 57
  uart write BYTE             set 1042, click 1040
  uart read                   click 1041, print 1042
  fpga read REG               set 1072, click 1074, print 1073
  fpga write REG VALUE        set 1077, set 1079, click 1080
  fpga write4a VALUE          set 1062, click 1063
  testbits WORD               boxes 1043 (bit 15) to 1058 (bit 0) from the
                              hexadecimal WORD, click 1059
  multibeam N | channel N | beam N
                              select the entry showing N in 1060 | 1061 | 1065
  rfsource N                  select "Source bb" (N = code 0 to 3) in 1069
  cdbeams                     click 1071, print its caption
  load firmware|ep1out|afe|apod|log|tfc FILE
                              file FILE, click 1012|1023|1076|1066|1070|1075
                              (ep1out starts at 1022 as it stands: 'set 1022 100')

Beyond the dialog (read through the dialog's request primitives):
  eeprom dump CHIP ADDR COUNT hex dump of chip 0x50+CHIP (CHIP 0 to 7)
  fpga dump ADDR COUNT        hex dump of FPGA registers
                              ADDR hexadecimal, COUNT decimal; XX / XXXX: not read
  eeprom save CHIP ADDR COUNT FILE
                              COUNT bytes from chip 0x50+CHIP into FILE, raw; a
                              read runs on into the next chip, as firmware does
  firmware save COUNT FILE    the same from address 0 of chip 0x50: what 'load
                              firmware' takes back
  fpga save [bank B] ADDR COUNT FILE
                              COUNT registers into FILE, one decimal number a
                              line; in 8000..ffff the current bank, or bank B
  verify firmware|ep1out|afe|apod|log FILE
                              read back what that load writes from FILE (ep1out
                              from 1022 as it stands) and compare; prints
                              "verified N words" (bytes for firmware), or the
                              first mismatch and "N mismatches" (exit 1)
  load KIND FILE --verify     the load, then its verify
  Banks are selected through register 4, read first and written back at the end.
  Verifying reads through the register window: a TFC table cannot be verified.
  A firmware load, and a read that lasts over a second, show a progress line on
  standard error when it is a terminal.

Output: reads print the field's text, one line, on standard output; nothing
else goes there. A message box prints "CAPTION: TEXT" on standard error. After
the opening ("open") and after each command, failed requests print
"COMMAND: N request(s) failed, first 0xHRESULT" on standard error.
)";

namespace {

constexpr std::string_view kCliOptionsHelp =
    R"(  --script FILE         one command a line ('-': standard input); '#' at the
                        start of a word begins a comment; blank lines skipped
  --serve               a console for programs: one JSON request a line on
                        standard input, one JSON answer a line on standard
                        output (the Python package velta drives it)
)";

} // namespace

std::string HelpText(bool platformDevice) {
  const std::string_view text = kHelpText;
  const std::size_t commands = text.find("Raw commands");
  return std::string(text.substr(0, commands)) + "Options:\n" +
         startup::OptionsHelp(platformDevice, kCliOptionsHelp) + '\n' +
         std::string(text.substr(commands)) + '\n' + std::string(startup::kExitStatusHelp) + '\n' +
         std::string(sim::kSettingsHelp);
}

} // namespace cli
