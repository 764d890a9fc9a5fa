#include "startup/options.hpp"

#include <algorithm>

namespace startup {

namespace {

const OptionSpec* FindSpec(std::string_view arg, std::span<const OptionSpec> specs) {
  const auto it = std::find_if(specs.begin(), specs.end(), [&](const OptionSpec& s) {
    return arg == s.name || (!s.shortName.empty() && arg == s.shortName);
  });
  return it == specs.end() ? nullptr : &*it;
}

} // namespace

const std::vector<OptionSpec> kCommonOptionSpecs = {
    {"--help", "-h"},
    {"--version", "-V"},
    {"--sim", ""},
    {"--sim-set", "", OptionSpec::Value::Required},
    {"--trace", "", OptionSpec::Value::OnlyAttached},
    {"--virtual-time", ""},
};

OptionScan ScanOptions(std::span<const std::string> args, std::span<const OptionSpec> specs) {
  OptionScan scan;
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg.size() < 2 || arg[0] != '-')
      break;
    const auto equals = arg.find('=');
    const bool attached = arg.starts_with("--") && equals != std::string_view::npos;
    const std::string_view name = attached ? arg.substr(0, equals) : arg;
    const OptionSpec* spec = FindSpec(name, specs);
    if (spec == nullptr) {
      scan.error = "unknown option " + std::string(name);
      return scan;
    }
    GivenOption given{spec->name, std::nullopt};
    if (attached) {
      if (spec->value == OptionSpec::Value::None) {
        scan.error = std::string(spec->name) + " takes no value";
        return scan;
      }
      given.value = std::string(arg.substr(equals + 1));
      if (given.value->empty()) {
        scan.error = std::string(arg) + " needs a value";
        return scan;
      }
    } else if (spec->value == OptionSpec::Value::Required) {
      if (i + 1 == args.size()) {
        scan.error = std::string(spec->name) + " needs a value";
        return scan;
      }
      given.value = args[++i];
    }
    scan.options.push_back(std::move(given));
  }
  scan.operands = i;
  return scan;
}

bool TakeCommonOption(const GivenOption& given, CommonOptions& options) {
  const std::string_view name = given.name;
  if (name == "--help") {
    options.help = true;
  } else if (name == "--version") {
    options.version = true;
  } else if (name == "--sim") {
    options.sim = true;
  } else if (name == "--sim-set") {
    options.simSettings.push_back(*given.value);
  } else if (name == "--trace") {
    options.trace = true;
    options.traceFile = given.value.value_or("");
  } else if (name == "--virtual-time") {
    options.virtualTime = true;
  } else {
    return false;
  }
  return true;
}

std::string FormatHelpEntry(const HelpEntry& entry, std::size_t column) {
  std::string text = "  " + std::string(entry.synopsis);
  if (text.size() + 2 > column)
    text += '\n' + std::string(column, ' ');
  else
    text.resize(column, ' ');
  for (std::string_view lines = entry.text;;) {
    const std::size_t newline = lines.find('\n');
    text += lines.substr(0, newline);
    text += '\n';
    if (newline == std::string_view::npos)
      return text;
    lines.remove_prefix(newline + 1);
    text += std::string(column, ' ');
  }
}

std::vector<HelpEntry> CommonOptionsHelp(bool platformDevice) {
  return {
      {"--sim", platformDevice ? "the simulated board instead of the device"
                               : "the simulated board (the default: this\n"
                                 "platform has no device catalog of its own)"},
      {"--sim-set KEY=VALUE", "a setting of the simulated board; repeatable,\n"
                              "applied in order (the settings are below)"},
      {"--trace[=FILE]", "every property call and pause as JSON Lines,\n"
                         "from the first probe on, written as it happens;\n"
                         "standard error without FILE"},
      {"--virtual-time", "pauses are recorded, not slept"},
      {"-h, --help", "this help"},
      {"-V, --version", "the version"},
  };
}

std::string OptionsNote(bool platformDevice) {
  std::string note = "Every option that takes a value takes it as --opt VALUE or --opt=VALUE.\n";
  if (platformDevice)
    note += "--sim-set and --virtual-time need --sim; --trace works on the device too.\n";
  return note;
}

const std::string_view kExitStatusHelp = R"(Exit status (both programs):
  0  velta-editor: the dialog, or the "No device found" box, was closed;
     velta-cli: every command ran and nothing failed
  1  velta-cli: no device found, a message box was shown, a file could not
     be read, a verification or an expectation failed;
     velta-editor: the display could not be opened
  2  a usage error: a bad option or command, an unreadable script, a bad
     --sim-set setting, a trace file that cannot be written
  3  velta-cli: a request to the device failed
  4  velta-cli --replay: a replayed call answered differently
)";

} // namespace startup
