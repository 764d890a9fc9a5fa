// The options both programs take, read in one way: `--opt VALUE` and
// `--opt=VALUE` for every option that takes a value, `-h` and `-V` beside
// `--help` and `--version`. Each program adds its own options to the table.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace startup {

struct OptionSpec {
  std::string_view name;      // "--script"
  std::string_view shortName; // "-h", or empty
  enum class Value { None, Required, OnlyAttached } value = Value::None;
};

struct GivenOption {
  std::string_view name; // the option's long name
  std::optional<std::string> value;
};

struct OptionScan {
  std::vector<GivenOption> options;
  // The first argument that is not an option (a command), or args.size().
  std::size_t operands = 0;
  // Names the problem; empty when the options are fine.
  std::string error;
};

// Reads the options before the first argument that does not begin with '-'.
OptionScan ScanOptions(std::span<const std::string> args, std::span<const OptionSpec> specs);

struct CommonOptions {
  bool help = false;
  bool version = false;
  bool sim = false; // the simulated board even where the platform has a device catalog
  std::vector<std::string> simSettings; // applied in order
  bool trace = false;
  std::string traceFile; // empty: standard error
  bool virtualTime = false;
};

// The common options' specs, for a program's table.
extern const std::vector<OptionSpec> kCommonOptionSpecs;

// Takes a common option into `options`; false when the option is not one.
bool TakeCommonOption(const GivenOption& given, CommonOptions& options);

// One entry of --help: what to type, and its text (lines separated by '\n').
struct HelpEntry {
  std::string_view synopsis;
  std::string_view text;
};

// An entry as --help prints it: its text from `column` on, with at least two
// blanks before it, as man-page converters expect.
std::string FormatHelpEntry(const HelpEntry& entry, std::size_t column);

// The common options' entries; `platformDevice` says whether this platform
// binds a device of its own without --sim.
std::vector<HelpEntry> CommonOptionsHelp(bool platformDevice);
// What --help says after the options.
std::string OptionsNote(bool platformDevice);

// Both programs' exit statuses, as --help states them.
extern const std::string_view kExitStatusHelp;

} // namespace startup
