// Runs commands on one open dialog: discovery and the dialog's opening as at
// start-up, then each command's steps through the host's user actions, with
// what the dialog shows printed and every failed request accounted for.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_host.hpp"
#include "cli/command.hpp"
#include "cli/exit_status.hpp"
#include "cli/extras.hpp"
#include "cli/plan.hpp"
#include "platform/ks/catalog.hpp"
#include "platform/ks/recorder.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace cli {

struct Streams {
  std::ostream& out;
  std::ostream& err;
  // Whether err is a terminal: the firmware load then shows its progress.
  bool errIsTerminal = false;
};

// Told what a command brings about beyond the lines it prints.
class RunObserver {
public:
  virtual ~RunObserver() = default;
  virtual void MessageBox(const dlg::RecordedMessageBox& box) = 0;
  // The firmware load's progress bar, 0 to 100.
  virtual void Progress(int percent) = 0;
  // After the opening and after each command, when requests failed.
  virtual void Failures(std::uint64_t count, ks::HResult first) = 0;
};

class Runner {
public:
  // The dialog binds through catalog; the recorder traces and counts every
  // call on the channel it binds, and its clock paces the loaders.
  Runner(Streams streams, ks::DeviceCatalog& catalog, ks::Recorder& recorder);
  Runner(const Runner&) = delete;
  Runner& operator=(const Runner&) = delete;

  // Start-up: wait cursor around discovery; no channel shows "No device found"
  // and returns false; otherwise the dialog opens (OnInitDialog runs).
  bool Open();
  // False once the dialog has ended (OK or Cancel was clicked).
  bool DialogOpen() const { return host_.IsOpen(); }

  // Checks a plan against the open dialog: the entries and indexes it selects
  // exist. The problem when they do not.
  std::optional<std::string> Check(const Plan& plan) const;
  // Runs the command; false when it showed a message box, had a failed
  // request, refused its file or failed an expectation.
  bool Run(const Command& command, const Plan& plan);

  // Prints a usage error of one command: "velta-cli: [WHERE]COMMAND: PROBLEM".
  void UsageError(const Command& command, const std::string& problem);

  ExitStatus& status() { return status_; }

  // Reports to observer from now on; nullptr stops.
  void Observe(RunObserver* observer);

  // Bytes asked for per read request by the dumps and read-backs.
  std::uint32_t readChunk() const { return readChunk_; }
  void set_readChunk(std::uint32_t bytes) { readChunk_ = bytes; }

private:
  // False when the command must end here.
  bool RunStep(const Step& step);
  void Problem();
  std::optional<int> EntryIndex(int id, const std::string& entry) const;
  // Reports the requests that failed since the last mark under this name.
  void AccountFailures(const std::string& name);
  // Standard error.
  std::ostream& Err();

  ks::Recorder& recorder_;
  Streams io_;
  CliHost host_;
  CVeltaEditorDlg dialog_;
  ExitStatus status_;
  RunObserver* observer_ = nullptr;
  // Problems seen since the start: messages, failed requests, refusals.
  int problems_ = 0;
  std::uint32_t readChunk_ = kDefaultReadChunk;
};

// "script line N: " for a command from a script, nothing otherwise.
std::string Where(const Command& command);

} // namespace cli
