#include "cli/usage.hpp"

namespace cli {

const std::string_view kUsageLine = "Usage: velta-cli [OPTIONS] [COMMAND [ARGS]] [';' COMMAND ...]";

const std::string_view kHelpText = R"(Usage: velta-cli [OPTIONS] [COMMAND [ARGS]] [';' COMMAND ...]
       velta-cli [OPTIONS] --replay FILE

Drives the Velta Editor dialog without a window. Discovery and the dialog's
opening run as at start-up; then each command types into fields, selects,
ticks and clicks through the dialog's own handlers and prints what the dialog
shows. Commands on the command line are separated by a ';' argument. With no
command, commands come from standard input: a prompt (with 'help' and 'quit')
on a terminal, a script otherwise.

Options:
  --sim                 the simulated board (the default: no other catalog here)
  --sim-set KEY=VALUE   a setting of the simulated board; repeatable
  --trace[=FILE]        JSON Lines trace of every property call and pause from
                        the first probe on; standard error without FILE
  --virtual-time        pauses are recorded, not slept
  --script FILE         one command a line ('-': standard input); '#' at the
                        start of a word begins a comment; blank lines skipped
  --replay FILE         re-send the calls of a trace (see Replay below)
  --help, --version

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
  verify firmware FILE        read the EEPROM back from address 0 and compare;
                              prints "verified N bytes" or the first mismatch
  A firmware load shows a progress line on standard error when it is a terminal.

Output: reads print the field's text, one line, on standard output; nothing
else goes there. A message box prints "CAPTION: TEXT" on standard error. After
the opening ("open") and after each command, failed requests print
"COMMAND: N request(s) failed, first 0xHRESULT" on standard error.

Replay: discovery binds the device as at start-up (with its probes; the
dialog's opening is not sent), then each property call of the trace FILE is
sent again in order with its recorded record, data and length, and each
recorded pause is taken (recorded only, under --virtual-time). A call whose
result code or buffer after the call differs from the recording prints
  #N SUMMARY: expected hr 0xHHHHHHHH out HEX, got hr 0xHHHHHHHH out HEX
on standard output: N counts the calls of FILE (pauses not counted), SUMMARY
names the request ("FPGA get 0x001f", "pairs 8 from 0x8000", "I2C read 0x50",
"GPIO get 57", "property 3 get", "basic support DeviceRequestSet"), a buffer
over 16 bytes shows @0xOFFSET and up to 16 bytes from its first difference,
'-' an empty one. Then "replayed N calls, M differ". The whole file is checked
before anything is sent. Exit status: 0 no difference, 4 a call differs, 1 no
device, 2 FILE unreadable or a line that is not a trace event (named by its
number). --trace records the replay, which can be replayed in turn.

Exit status: 0 success; 1 a message box (including "No device found: Velta
Device") or a failed verification; 2 a usage error (a script is checked whole
before anything runs); 3 a request failed.
)";

} // namespace cli
