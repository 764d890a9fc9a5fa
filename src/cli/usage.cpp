#include "cli/usage.hpp"

#include <cstdio>
#include <vector>

#include "cli/plan.hpp"
#include "device/board_map.hpp"
#include "sim/config.hpp"
#include "startup/options.hpp"
#include "ui/resource.hpp"

namespace cli {

namespace {

// An entry's text starts in this column; help2man wants two blanks before it.
constexpr std::size_t kTextColumn = 30;

using startup::HelpEntry;

struct HelpSection {
  std::string_view heading;
  std::vector<HelpEntry> entries;
  // Printed after the entries, as it stands.
  std::string_view note;
};

// The options of velta-cli alone; the common ones come from the start-up.
constexpr HelpEntry kOptions[] = {
    {"--script FILE", "one command a line ('-': standard input), words split\n"
                      "as a shell splits them (quotes, backslash; nothing is\n"
                      "expanded); '#' at the start of a word begins a comment"},
    {"--stop-on-error", "end the run after the first command that shows a\n"
                        "message box, has a failed request, cannot read its\n"
                        "file or fails an expectation"},
    {"--read-chunk N", "bytes per I2C read request of the dumps, saves and\n"
                       "verifies (1 to 4096, default 32)"},
    {"--serve", "a console for programs: one JSON request a line on\n"
                "standard input, one JSON answer a line on standard\n"
                "output (the Python package velta drives it)"},
    {"--replay FILE", "re-send the calls of a trace instead of commands (see\n"
                      "Replay below)"},
};

constexpr HelpEntry kRaw[] = {
    {"set ID [TEXT]", "window text of the control; TEXT is the rest of the\n"
                      "command and may be empty"},
    {"get ID", "print the window text (a button prints its caption)"},
    {"expect ID [TEXT]", "compare the window text with TEXT (the rest of the\n"
                         "command); a mismatch prints 'expect ID: got \"ACTUAL\",\n"
                         "want \"TEXT\"' on standard error"},
    {"select ID INDEX", "select entry INDEX (-1: none), then the selection change"},
    {"check ID 0|1", "set the check box, then its click"},
    {"click ID", "the click of a button or check box (1 OK and 2 Cancel\n"
                 "end the dialog; later commands do not run)"},
    {"file PATH", "answer the next file dialog with PATH ('file -' cancels);\n"
                  "the path is not checked"},
    {"show", "every control, one line each, as\n"
             "ID KIND \"TEXT\" check=0|1 sel=INDEX enabled=0|1 where KIND\n"
             "is button, checkbox, edit, combo, static or progress and\n"
             "TEXT escapes '\"', '\\' and control characters (\\xNN)"},
};

// In a text "@" stands for the first EEPROM chip's address, "#" for the
// EP1OUT start field.
constexpr HelpEntry kBeyond[] = {
    {"eeprom dump CHIP ADDR COUNT", "hex dump of chip @+CHIP (CHIP 0 to 7); ADDR\n"
                                    "hexadecimal, COUNT decimal; XX: not read"},
    {"fpga dump ADDR COUNT", "hex dump of FPGA registers; ADDR hexadecimal, COUNT\n"
                             "decimal; XXXX: not read"},
    {"eeprom save CHIP ADDR COUNT FILE", "COUNT bytes from chip @+CHIP into FILE, raw; a\n"
                                         "read runs on into the next chip, as firmware does"},
    {"firmware save COUNT FILE", "the same from address 0 of chip @: what 'load\n"
                                 "firmware' takes back"},
    {"fpga save [bank B] ADDR COUNT FILE", "COUNT registers into FILE, one decimal number a\n"
                                           "line; in 8000..ffff the current bank, or bank B"},
    {"verify KIND FILE", "KIND firmware, ep1out, afe, apod or log: read back\n"
                         "what that load writes from FILE (ep1out from # as\n"
                         "it stands) and compare; prints \"verified N words\"\n"
                         "(bytes for firmware), or the first mismatch and\n"
                         "\"N mismatches\" (exit 1)"},
    {"load KIND FILE --verify", "the load, then its verify"},
};

constexpr HelpEntry kPrompt[] = {
    {"help [COMMAND]", "the commands, or the entries of one command"},
    {"quit", "end the session (so does end of input)"},
};

std::string Replaced(std::string_view text, char mark, std::string_view with) {
  std::string out;
  for (const char c : text)
    if (c == mark)
      out += with;
    else
      out += c;
  return out;
}

// The sections with the texts made from the plan's table and the board's map.
class Help {
public:
  Help() : named_(NamedCommandsHelp()) {
    char first[8];
    std::snprintf(first, sizeof first, "0x%02x", static_cast<unsigned>(board::kFirstEeprom));
    const std::string start = std::to_string(IDC_EP1OUT_START);
    for (const HelpEntry& entry : kBeyond)
      beyond_.push_back(Replaced(Replaced(entry.text, '@', first), '#', start));
    std::vector<HelpEntry> named;
    for (const NamedHelp& entry : named_)
      named.push_back({entry.synopsis, entry.text});
    std::vector<HelpEntry> beyond;
    for (std::size_t i = 0; i < beyond_.size(); ++i)
      beyond.push_back({kBeyond[i].synopsis, beyond_[i]});
    sections_ = MakeSections(named, beyond);
  }
  Help(const Help&) = delete;
  Help& operator=(const Help&) = delete;

  const std::vector<HelpSection>& Sections() const { return sections_; }

private:
  static std::vector<HelpSection> MakeSections(std::vector<HelpEntry> named,
                                               std::vector<HelpEntry> beyond);

  std::vector<NamedHelp> named_;
  std::vector<std::string> beyond_;
  std::vector<HelpSection> sections_;
};

std::vector<HelpSection> Help::MakeSections(std::vector<HelpEntry> named,
                                            std::vector<HelpEntry> beyond) {
  return {
      {"Raw commands (any control by its template id, decimal):",
       {std::begin(kRaw), std::end(kRaw)},
       "select, check and click act whether the control is enabled or not.\n"},
      {"Named commands (values are typed into the fields as given):", std::move(named),
       "A command that prints a field (get too) takes '= EXPECTED' after its\n"
       "arguments, as in 'fpga read 1f = 0x1234 (4660)'; a mismatch prints\n"
       "'COMMAND: got \"ACTUAL\", want \"EXPECTED\"' on standard error. A load first\n"
       "checks that FILE is a regular file it can read; if not it prints\n"
       "'velta-cli: cannot read FILE: REASON' and sends nothing.\n"},
      {"Beyond the dialog (read through the dialog's request primitives):", std::move(beyond),
       "Banks are selected through register 4, read first and written back at the end.\n"
       "Verifying reads through the register window: a TFC table cannot be verified.\n"
       "A firmware load, and a read that lasts over a second, show a progress line on\n"
       "standard error when it is a terminal.\n"},
      {"At the prompt:", {std::begin(kPrompt), std::end(kPrompt)}, ""},
  };
}

const std::vector<HelpSection>& Sections() {
  static const Help help;
  return help.Sections();
}

constexpr std::string_view kIntro =
    R"(Drives the Velta Editor dialog without a window. Discovery and the dialog's
opening run as at start-up; then each command types into fields, selects,
ticks and clicks through the dialog's own handlers and prints what the dialog
shows. Commands on the command line are separated by a ';' argument. With no
command, commands come from standard input: a prompt on a terminal (on
Linux with line editing, history in ~/.velta_history and Tab completion), a
script otherwise.
)";

constexpr std::string_view kOutro =
    R"(Output: reads print the field's text, one line, on standard output; nothing
else goes there. A message box prints "CAPTION: TEXT" on standard error. After
the opening ("open") and after each command, failed requests print
"COMMAND: N request(s) failed, first 0xHRESULT" on standard error. A script is
checked whole before anything runs, every error with its line. At the prompt a
usage error prints its problem only and leaves the exit status as it is.

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
before anything is sent. A failure the recording also shows is no difference.
--trace records the replay, which can be replayed in turn.
)";

std::string Entry(const HelpEntry& entry) {
  return startup::FormatHelpEntry(entry, kTextColumn);
}

// The command's name: its synopsis up to the first blank.
std::string_view NameOf(const HelpEntry& entry) {
  return entry.synopsis.substr(0, entry.synopsis.find(' '));
}

} // namespace

const std::string_view kUsageLine = "Usage: velta-cli [OPTIONS] [COMMAND [ARGS]] [';' COMMAND ...]";

std::string HelpText(bool platformDevice) {
  std::string text = std::string(kUsageLine) + "\n       velta-cli [OPTIONS] --replay FILE\n\n" +
                     std::string(kIntro) + "\nOptions:\n";
  for (const HelpEntry& entry : startup::CommonOptionsHelp(platformDevice))
    text += Entry(entry);
  for (const HelpEntry& entry : kOptions)
    text += Entry(entry);
  text += startup::OptionsNote(platformDevice);
  for (const HelpSection& section : Sections()) {
    text += '\n' + std::string(section.heading) + '\n';
    for (const HelpEntry& entry : section.entries)
      text += Entry(entry);
    text += section.note;
  }
  return text + '\n' + std::string(kOutro) + '\n' + std::string(startup::kExitStatusHelp) + '\n' +
         std::string(sim::kSettingsHelp);
}

std::string CommandList() {
  std::string text;
  for (const HelpSection& section : Sections())
    for (const HelpEntry& entry : section.entries)
      text += "  " + std::string(entry.synopsis) + '\n';
  return text;
}

std::string CommandHelp(std::string_view name) {
  std::string text;
  for (const HelpSection& section : Sections())
    for (const HelpEntry& entry : section.entries)
      if (NameOf(entry) == name)
        text += Entry(entry);
  return text;
}

} // namespace cli
