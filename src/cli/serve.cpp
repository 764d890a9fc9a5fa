#include "cli/serve.hpp"

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.hpp"
#include "cli/serve_protocol.hpp"

namespace cli {

namespace {

// Collects what one request brings about and writes its answer.
class Session : public RunObserver {
public:
  explicit Session(std::ostream& out) : out_(out) {}

  void Begin(const Json& id) {
    id_ = id;
    inRequest_ = true;
    boxes_ = Json::array();
    failed_ = 0;
    firstFailure_ = 0;
  }

  void MessageBox(const dlg::RecordedMessageBox& box) override {
    boxes_.push_back(Json{{"caption", box.caption}, {"text", box.text}});
  }

  void Progress(int percent) override {
    // The opening resets the bar; only a request's own moves are news.
    if (!inRequest_)
      return;
    Json line = Head();
    line["progress"] = percent;
    Send(line);
  }

  void Failures(std::uint64_t count, ks::HResult first) override {
    failed_ = count;
    firstFailure_ = first;
  }

  void Refuse(const std::string& error) {
    Json line = Head();
    line["ok"] = false;
    line["error"] = error;
    Send(line);
  }

  void Answer(const std::string& printed) {
    Json line = Head();
    line["ok"] = true;
    line["out"] = Lines(printed);
    line["boxes"] = boxes_;
    line["failed"] = failed_;
    if (failed_ > 0) {
      char hr[16];
      std::snprintf(hr, sizeof hr, "0x%08x", static_cast<std::uint32_t>(firstFailure_));
      line["hr"] = hr;
    }
    Send(line);
  }

  // The first message box as the command line prints it: "CAPTION: TEXT".
  std::string FirstBox() const {
    if (boxes_.empty())
      return {};
    return boxes_[0]["caption"].get<std::string>() + ": " + boxes_[0]["text"].get<std::string>();
  }

private:
  Json Head() const {
    Json line = Json::object();
    if (!id_.is_null())
      line["id"] = id_;
    return line;
  }

  void Send(const Json& line) { out_ << FormatLine(line) << '\n' << std::flush; }

  static Json Lines(const std::string& printed) {
    Json lines = Json::array();
    std::istringstream in(printed);
    for (std::string line; std::getline(in, line);)
      lines.push_back(line);
    return lines;
  }

  std::ostream& out_;
  Json id_;
  bool inRequest_ = false;
  Json boxes_ = Json::array();
  std::uint64_t failed_ = 0;
  ks::HResult firstFailure_ = 0;
};

bool Blank(const std::string& line) {
  return line.find_first_not_of(" \t\r") == std::string::npos;
}

void Cancel(Runner& runner) {
  const std::string words[] = {"click", std::to_string(dlg::IDCANCEL)};
  const Command cancel = SplitArguments(words).front();
  runner.Run(cancel, MakePlan(cancel).plan);
}

} // namespace

int ServeDialog(Console io, ks::DeviceCatalog& catalog, ks::Recorder& recorder,
                std::uint32_t readChunk) {
  std::ostringstream printed;
  Session session(io.out);
  Runner runner({printed, io.err, false}, catalog, recorder);
  runner.set_readChunk(readChunk);
  runner.Observe(&session);
  std::string line;
  if (!runner.Open()) {
    std::getline(io.in, line);
    session.Refuse(session.FirstBox());
    return runner.status().Code();
  }
  while (runner.DialogOpen() && std::getline(io.in, line)) {
    if (Blank(line))
      continue;
    const Request request = ParseRequest(line);
    session.Begin(request.id);
    if (!request.error.empty()) {
      session.Refuse(request.error);
      continue;
    }
    const Command& command = *request.command;
    PlanResult planned = MakePlan(command);
    if (planned.error.empty())
      if (auto problem = runner.Check(planned.plan))
        planned.error = *problem;
    if (!planned.error.empty()) {
      session.Refuse(command.Text() + ": " + planned.error);
      continue;
    }
    printed.str({});
    runner.Run(command, planned.plan);
    session.Answer(printed.str());
  }
  if (runner.DialogOpen())
    Cancel(runner);
  return 0;
}

} // namespace cli
