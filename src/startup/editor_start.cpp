#include "startup/editor_start.hpp"

#include "sim/config.hpp"

namespace startup {

namespace {

constexpr const char* kProgram = "velta-editor";
constexpr std::size_t kHelpColumn = 24;

} // namespace

std::string EditorHelp(bool platformDevice) {
  std::string help = std::string("Usage: ") + kProgram +
                     " [OPTIONS]\n"
                     "The Velta device's engineering console: one dialog for the board's chips,\n"
                     "GPIO and UART, the FPGA registers and beamformer, and the firmware and\n"
                     "table loaders.";
  help += platformDevice ? " Without --sim it binds the attached device.\n"
                         : " It binds the simulated board.\n";
  help += "\nOptions:\n";
  for (const HelpEntry& entry : CommonOptionsHelp(platformDevice))
    help += FormatHelpEntry(entry, kHelpColumn);
  help += OptionsNote(platformDevice) + '\n' + std::string(kExitStatusHelp) + '\n' +
          std::string(sim::kSettingsHelp);
  return help;
}

int StartEditor(std::span<const std::string> args, Platform platform, EditorIo io,
                const std::function<int(Backend&)>& run) {
  const auto console = [&] {
    if (io.needConsole)
      io.needConsole();
  };
  const auto usage = [&](const std::string& problem) {
    console();
    io.err << kProgram << ": " << problem << "\nTry '" << kProgram << " --help'.\n";
    return 2;
  };

  const OptionScan scan = ScanOptions(args, kCommonOptionSpecs);
  if (!scan.error.empty())
    return usage(scan.error);
  if (scan.operands < args.size())
    return usage("unexpected argument " + args[scan.operands]);
  CommonOptions options;
  for (const GivenOption& given : scan.options)
    TakeCommonOption(given, options);
  if (options.help) {
    console();
    io.out << EditorHelp(platform.catalog != nullptr);
    return 0;
  }
  if (options.version) {
    console();
    io.out << kProgram << ' ' << VELTA_VERSION << '\n';
    return 0;
  }
  if (options.trace && options.traceFile.empty())
    console();
  auto opened = Backend::Open(options, platform, io.err);
  if (auto* problem = std::get_if<std::string>(&opened))
    return usage(*problem);
  return run(*std::get<std::unique_ptr<Backend>>(opened));
}

} // namespace startup
