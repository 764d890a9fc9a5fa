// The headless host as the command line uses it: it can echo the progress
// text of a firmware load as one rewritten line on a terminal.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/headless/headless_host.hpp"

namespace cli {

class CliHost : public dlg::HeadlessHost {
public:
  CliHost() : HeadlessHost("velta-cli") {}

  // Called with the progress text each time the dialog changes it; empty to stop.
  void SetProgressSink(std::function<void(std::string_view)> sink) { sink_ = std::move(sink); }

  // Called with the control and its position each time a bar moves; empty to stop.
  void SetPositionSink(std::function<void(int, int)> sink) { positionSink_ = std::move(sink); }

protected:
  void DoSetWindowText(int id, std::string_view text) override;
  int DoSetPos(int id, int pos) override;

private:
  std::function<void(std::string_view)> sink_;
  std::function<void(int, int)> positionSink_;
};

} // namespace cli
