#include "startup/editor_start.hpp"

#include <fstream>
#include <memory>

#include "platform/files/open_file.hpp"
#include "sim/config.hpp"
#include "ui/script_recorder.hpp"

namespace startup {

namespace {

constexpr const char* kProgram = "velta-editor";
constexpr std::size_t kHelpColumn = 24;

std::vector<OptionSpec> EditorSpecs() {
  std::vector<OptionSpec> specs = kCommonOptionSpecs;
  specs.push_back({"--record", "", OptionSpec::Value::Required});
  return specs;
}

// The script a session records; the recorder seeks back in it, so the file
// must be one that can seek.
struct Recording {
  std::ofstream file;
  std::unique_ptr<ui::ScriptRecorder> recorder;

  bool Open(const std::string& path) {
    file.open(files::PathOf(path.c_str()), std::ios::binary | std::ios::trunc);
    if (!file || file.tellp() == std::streampos(-1))
      return false;
    recorder = std::make_unique<ui::ScriptRecorder>(file);
    return true;
  }
};

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
  help += FormatHelpEntry({"--record FILE", "what you do in the dialog, written to FILE as a\n"
                                            "velta-cli script as you do it"},
                          kHelpColumn);
  for (const HelpEntry& entry : CommonOptionsHelp(platformDevice))
    help += FormatHelpEntry(entry, kHelpColumn);
  help += OptionsNote(platformDevice) + '\n' + std::string(kExitStatusHelp) + '\n' +
          std::string(sim::kSettingsHelp);
  return help;
}

int StartEditor(std::span<const std::string> args, Platform platform, EditorIo io,
                const std::function<int(Backend&, dlg::ActionObserver*)>& run) {
  const auto console = [&] {
    if (io.needConsole)
      io.needConsole();
  };
  const auto usage = [&](const std::string& problem) {
    console();
    io.err << kProgram << ": " << problem << "\nTry '" << kProgram << " --help'.\n";
    return 2;
  };

  static const std::vector<OptionSpec> specs = EditorSpecs();
  const OptionScan scan = ScanOptions(args, specs);
  if (!scan.error.empty())
    return usage(scan.error);
  if (scan.operands < args.size())
    return usage("unexpected argument " + args[scan.operands]);
  CommonOptions options;
  std::optional<std::string> recordPath;
  for (const GivenOption& given : scan.options)
    if (!TakeCommonOption(given, options))
      recordPath = given.value;
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
  Recording recording;
  if (recordPath && !recording.Open(*recordPath))
    return usage("cannot write the recording to " + *recordPath);
  return run(*std::get<std::unique_ptr<Backend>>(opened), recording.recorder.get());
}

} // namespace startup
