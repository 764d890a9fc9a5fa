#include "cli/cli_host.hpp"

#include "ui/resource.hpp"

namespace cli {

void CliHost::SetWindowText(int id, std::string_view text) {
  HeadlessHost::SetWindowText(id, text);
  if (sink_ && id == IDC_PROGRESS_TEXT)
    sink_(text);
}

int CliHost::SetPos(int id, int pos) {
  const int previous = HeadlessHost::SetPos(id, pos);
  if (positionSink_ && GetPos(id) != previous)
    positionSink_(id, GetPos(id));
  return previous;
}

} // namespace cli
