#include "cli/cli_host.hpp"

#include "ui/resource.hpp"

namespace cli {

void CliHost::SetWindowText(int id, std::string_view text) {
  HeadlessHost::SetWindowText(id, text);
  if (sink_ && id == IDC_PROGRESS_TEXT)
    sink_(text);
}

} // namespace cli
