#include "cli/cli_host.hpp"

#include "ui/resource.hpp"

namespace cli {

void CliHost::DoSetWindowText(int id, std::string_view text) {
  HeadlessHost::DoSetWindowText(id, text);
  if (sink_ && id == IDC_PROGRESS_TEXT)
    sink_(text);
}

int CliHost::DoSetPos(int id, int pos) {
  const int previous = HeadlessHost::DoSetPos(id, pos);
  if (positionSink_ && GetPos(id) != previous)
    positionSink_(id, GetPos(id));
  return previous;
}

} // namespace cli
