#include "ui/script_lines.hpp"

#include <algorithm>

namespace ui {

namespace {

bool IsPlain(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
         std::string_view("._-+/:,@%").find(c) != std::string_view::npos || u >= 0x80;
}

bool Contains(const dlg::ControlTemplate& box, const dlg::ControlTemplate& c) {
  return c.x >= box.x && c.y >= box.y && c.x < box.x + box.width && c.y < box.y + box.height;
}

// A combo box's height includes its list; its field is about one line high.
constexpr int kFieldHeight = 14;

// The fixed label ending nearest left of the control on its line.
const dlg::ControlTemplate* LabelLeftOf(const dlg::DialogTemplate& t,
                                        const dlg::ControlTemplate& c) {
  const dlg::ControlTemplate* best = nullptr;
  for (const auto& label : t.controls) {
    const int middle = label.y + label.height / 2;
    if (label.id != dlg::kStaticId || label.kind != dlg::ControlKind::Static ||
        label.caption.empty() || label.x + label.width > c.x || middle < c.y ||
        middle > c.y + std::min(c.height, kFieldHeight))
      continue;
    if (best == nullptr || label.x > best->x)
      best = &label;
  }
  return best;
}

} // namespace

std::string ScriptWord(std::string_view text) {
  if (!text.empty() && std::all_of(text.begin(), text.end(), IsPlain))
    return std::string(text);
  // Inside single quotes everything is kept but the quote itself, which is
  // closed, escaped and opened again.
  std::string word = "'";
  for (const char c : text)
    word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

std::string SetLine(int id, std::string_view text) {
  return "set " + std::to_string(id) + " " + ScriptWord(text);
}

std::string FileLine(const std::optional<std::string>& path) {
  return "file " + (path ? ScriptWord(*path) : std::string("-"));
}

std::string ControlName(const dlg::DialogTemplate& t, int id) {
  const dlg::ControlTemplate* control = t.Find(id);
  if (control == nullptr)
    return {};
  std::string group;
  for (const auto& box : t.controls)
    if (box.kind == dlg::ControlKind::GroupBox && Contains(box, *control))
      group = std::string(box.caption);
  std::string own(control->caption);
  if (own.empty())
    if (const auto* label = LabelLeftOf(t, *control))
      own = std::string(label->caption);
  if (group.empty() || own.empty())
    return group + own;
  return group + " - " + own;
}

std::string ActionLine(std::string_view action, const dlg::DialogTemplate& t, int id) {
  std::string line(action);
  const std::string name = ControlName(t, id);
  if (!name.empty())
    line += " # " + name;
  return line;
}

} // namespace ui
