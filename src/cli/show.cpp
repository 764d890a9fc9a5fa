#include "cli/show.hpp"

#include <cstdio>

namespace cli {

namespace {

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20 || u == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02x", u);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + '"';
}

} // namespace

const char* KindWord(dlg::ControlKind kind) {
  switch (kind) {
  case dlg::ControlKind::PushButton:
    return "button";
  case dlg::ControlKind::CheckBox:
    return "checkbox";
  case dlg::ControlKind::Edit:
    return "edit";
  case dlg::ControlKind::ComboBox:
    return "combo";
  case dlg::ControlKind::Static:
    return "static";
  case dlg::ControlKind::GroupBox:
    return "groupbox";
  case dlg::ControlKind::Progress:
    return "progress";
  }
  return "control";
}

std::string DescribeControl(const dlg::HeadlessHost& host, int id) {
  const dlg::ControlState& state = host.State(id);
  return std::to_string(id) + " " + KindWord(state.control->kind) + " " +
         Quoted(host.GetWindowText(id)) + " check=" + std::to_string(state.check) +
         " sel=" + std::to_string(state.selection) + " enabled=" + (state.enabled ? "1" : "0");
}

} // namespace cli
