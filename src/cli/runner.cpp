#include "cli/runner.hpp"

#include "cli/extras.hpp"
#include "cli/file_check.hpp"
#include "cli/readback.hpp"
#include "cli/show.hpp"
#include "ui/resource.hpp"

namespace cli {

namespace {

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

} // namespace

std::string Where(const Command& command) {
  return command.line > 0 ? "script line " + std::to_string(command.line) + ": " : "";
}

Runner::Runner(Streams streams, ks::DeviceCatalog& catalog, ks::Recorder& recorder)
    : recorder_(recorder), io_(streams), dialog_(host_, catalog, recorder) {
  host_.SetMessageBoxObserver([this](const dlg::RecordedMessageBox& box) {
    Err() << box.caption << ": " << box.text << '\n';
    status_.messageShown = true;
    if (observer_)
      observer_->MessageBox(box);
    Problem();
  });
}

std::ostream& Runner::Err() {
  return io_.err;
}

bool Runner::Open() {
  bool found = false;
  {
    CWaitCursor wait(host_);
    found = dialog_.FindDevice();
  }
  if (!found) {
    host_.MessageBox("Velta Device", "No device found", dlg::MB_ICONERROR);
    return false;
  }
  // Probes that a device answers "unsupported" are discovery's business, not
  // failed requests; the opening's own requests are accounted for.
  recorder_.stats().Mark();
  host_.Open(dialog_);
  AccountFailures("open");
  return true;
}

std::optional<int> Runner::EntryIndex(int id, const std::string& entry) const {
  const int count = host_.GetCount(id);
  for (int i = 0; i < count; ++i)
    if (host_.GetLBText(id, i) == entry)
      return i;
  return std::nullopt;
}

std::optional<std::string> Runner::Check(const Plan& plan) const {
  for (const Step& step : plan.steps) {
    if (const auto* select = std::get_if<SelectEntry>(&step)) {
      const int count = host_.GetCount(select->id);
      if (!EntryIndex(select->id, select->entry))
        return "no entry '" + select->entry + "' in " + std::to_string(select->id) + " (entries '" +
               host_.GetLBText(select->id, 0) + "' to '" + host_.GetLBText(select->id, count - 1) +
               "')";
    } else if (const auto* index = std::get_if<SelectIndex>(&step)) {
      const int count = host_.GetCount(index->id);
      if (index->index < -1 || index->index >= count)
        return "index " + std::to_string(index->index) + " out of range for " +
               std::to_string(index->id) + " (-1 to " + std::to_string(count - 1) + ")";
    }
  }
  return std::nullopt;
}

void Runner::UsageError(const Command& command, const std::string& problem) {
  Err() << "velta-cli: " << Where(command) << command.Text() << ": " << problem << '\n';
}

void Runner::Problem() {
  ++problems_;
}

bool Runner::Run(const Command& command, const Plan& plan) {
  const int problemsBefore = problems_;
  recorder_.stats().Mark();
  bool progressShown = false;
  if (plan.progress && io_.errIsTerminal)
    host_.SetProgressSink([this, &progressShown](std::string_view text) {
      Err() << "\rload firmware: " << text << std::flush;
      progressShown = true;
    });
  for (const Step& step : plan.steps)
    if (!DialogOpen() || !RunStep(step))
      break;
  host_.SetProgressSink(nullptr);
  if (progressShown)
    Err() << '\n';
  io_.out.flush();
  AccountFailures(command.Text());
  return problems_ == problemsBefore;
}

bool Runner::RunStep(const Step& step) {
  bool goOn = true;
  // Saves and read-backs: a failure counts as a failed verification.
  const ReadSetup reading{readChunk_, io_.errIsTerminal ? &io_.err : nullptr};
  const auto readback = [this](bool done) {
    if (done)
      return;
    status_.messageShown = true;
    Problem();
  };
  std::visit(Overloaded{
                 [&](const SetText& s) { host_.Type(s.id, s.text); },
                 [&](const PrintText& s) { io_.out << host_.GetWindowText(s.id) << '\n'; },
                 [&](const SelectIndex& s) { host_.Select(s.id, s.index); },
                 [&](const SelectEntry& s) {
                   // Check() has made sure the entry is there.
                   if (const auto index = EntryIndex(s.id, s.entry))
                     host_.Select(s.id, *index);
                 },
                 [&](const CheckAndClick& s) { host_.SetCheckAndClick(s.id, s.state); },
                 [&](const Click& s) { host_.Click(s.id); },
                 [&](const QueueFile& s) { host_.QueueFile(s.path); },
                 [&](const CheckFile& s) {
                   if (const auto reason = CannotRead(s.path)) {
                     Err() << "velta-cli: cannot read " << s.path << ": " << *reason << '\n';
                     status_.loadRefused = true;
                     Problem();
                     goOn = false;
                   }
                 },
                 [&](const ExpectText& s) {
                   const std::string got = host_.GetWindowText(s.id);
                   if (got != s.want) {
                     Err() << s.label << ": got \"" << got << "\", want \"" << s.want << "\"\n";
                     status_.expectationFailed = true;
                     Problem();
                   }
                 },
                 [&](const ShowAll&) {
                   for (const int id : host_.ControlIds())
                     io_.out << DescribeControl(host_, id) << '\n';
                 },
                 [&](const EepromDump& s) {
                   DumpEeprom(dialog_, s.chip, s.address, s.count, readChunk_, io_.out);
                 },
                 [&](const FpgaDump& s) { DumpFpga(dialog_, s.address, s.count, io_.out); },
                 [&](const EepromSave& s) { readback(SaveEeprom(dialog_, s, reading, Err())); },
                 [&](const FpgaSave& s) { readback(SaveFpga(dialog_, s, reading, Err())); },
                 [&](const VerifyTable& s) {
                   readback(VerifyLoad(dialog_, s, host_.GetWindowText(IDC_EP1OUT_START), reading,
                                       io_.out, Err()));
                 },
             },
             step);
  return goOn;
}

void Runner::AccountFailures(const std::string& name) {
  if (const auto summary = recorder_.FailureSummary()) {
    Err() << name << ": " << *summary << '\n';
    status_.requestFailed = true;
    if (observer_)
      observer_->Failures(recorder_.stats().failed(), *recorder_.stats().firstFailure());
    Problem();
  }
}

void Runner::Observe(RunObserver* observer) {
  observer_ = observer;
  if (!observer) {
    host_.SetPositionSink(nullptr);
    return;
  }
  host_.SetPositionSink([observer](int id, int pos) {
    if (id == IDC_PROGRESS)
      observer->Progress(pos);
  });
}

} // namespace cli
