// What a command does to the dialog: a sequence of the raw steps a user could
// take (type, select, tick, click, answer a file dialog, look), plus the
// read-outs beyond the dialog. Building a plan from a command is pure.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/command.hpp"

namespace cli {

struct SetText {
  int id;
  std::string text;
  friend bool operator==(const SetText&, const SetText&) = default;
};
struct PrintText {
  int id;
  friend bool operator==(const PrintText&, const PrintText&) = default;
};
struct SelectIndex {
  int id;
  int index;
  friend bool operator==(const SelectIndex&, const SelectIndex&) = default;
};
// Selects the entry showing this text; resolved against the open dialog.
struct SelectEntry {
  int id;
  std::string entry;
  friend bool operator==(const SelectEntry&, const SelectEntry&) = default;
};
struct CheckAndClick {
  int id;
  int state;
  friend bool operator==(const CheckAndClick&, const CheckAndClick&) = default;
};
struct Click {
  int id;
  friend bool operator==(const Click&, const Click&) = default;
};
// Answers the next file dialog; nothing cancels it.
struct QueueFile {
  std::optional<std::string> path;
  friend bool operator==(const QueueFile&, const QueueFile&) = default;
};
// Ends the command unless the file can be opened and read.
struct CheckFile {
  std::string path;
  friend bool operator==(const CheckFile&, const CheckFile&) = default;
};
// Compares the window text with `want`; a mismatch is reported under `label`.
struct ExpectText {
  int id;
  std::string want;
  std::string label;
  friend bool operator==(const ExpectText&, const ExpectText&) = default;
};
struct ShowAll {
  friend bool operator==(const ShowAll&, const ShowAll&) = default;
};
struct EepromDump {
  int chip;
  std::uint32_t address;
  std::uint32_t count;
  friend bool operator==(const EepromDump&, const EepromDump&) = default;
};
struct FpgaDump {
  std::uint32_t address;
  std::uint32_t count;
  friend bool operator==(const FpgaDump&, const FpgaDump&) = default;
};

// Saves of board memory to files, and read-backs of what a loader writes.
struct EepromSave {
  std::uint32_t address; // 19 bits, as the firmware loader counts (board_map.hpp)
  std::uint32_t count;
  std::string path;
  friend bool operator==(const EepromSave&, const EepromSave&) = default;
};
struct FpgaSave {
  std::uint32_t address;
  std::uint32_t count;
  std::optional<std::uint8_t> bank; // the window's bank to read; none: the current one
  std::string path;
  friend bool operator==(const FpgaSave&, const FpgaSave&) = default;
};
enum class Table { Firmware, Ep1out, Afe, Apod, Log };
struct VerifyTable {
  Table table;
  std::string path;
  friend bool operator==(const VerifyTable&, const VerifyTable&) = default;
};

using Step = std::variant<SetText, PrintText, SelectIndex, SelectEntry, CheckAndClick, Click,
                          QueueFile, CheckFile, ExpectText, ShowAll, EepromDump, FpgaDump,
                          EepromSave, FpgaSave, VerifyTable>;

struct Plan {
  std::vector<Step> steps;
  // The firmware load, whose progress a terminal shows.
  bool progress = false;
};

struct PlanResult {
  Plan plan;
  // Names the problem; empty when the command is well formed.
  std::string error;
};

// A command whose plan ends by printing a field takes "= EXPECTED" after its
// arguments: the printed text is then compared with the rest of the command.
PlanResult MakePlan(const Command& command);

// Each command's first word and, for a command with several forms, its second.
struct CommandWords {
  std::string_view name;
  std::string_view sub;
};
std::vector<CommandWords> KnownCommands();

// The named commands' help: the controls each acts on, from the plan's table.
struct NamedHelp {
  std::string synopsis;
  std::string text;
};
std::vector<NamedHelp> NamedCommandsHelp();

} // namespace cli
