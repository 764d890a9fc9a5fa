#include "ui/script_recorder.hpp"

#include "ui/script_lines.hpp"

namespace ui {

namespace {

bool IsField(const dlg::ControlTemplate& c) {
  return c.id != dlg::kStaticId &&
         (c.kind == dlg::ControlKind::Edit ||
          (c.kind == dlg::ControlKind::ComboBox && (c.style & dlg::kDropDown)));
}

} // namespace

void ScriptRecorder::Opened(const dlg::DialogHost& host, const dlg::DialogTemplate& t) {
  host_ = &host;
  template_ = &t;
  seen_ = Fields();
}

std::map<int, std::string> ScriptRecorder::Fields() const {
  std::map<int, std::string> fields;
  for (const auto& c : template_->controls)
    if (IsField(c))
      fields[c.id] = host_->GetWindowText(c.id);
  return fields;
}

std::string ScriptRecorder::Action(int id, dlg::Notification code) const {
  const std::string word = std::to_string(id);
  if (code == dlg::Notification::SelChange)
    return "select " + word + " " + std::to_string(host_->GetCurSel(id));
  if (template_->Find(id)->kind == dlg::ControlKind::CheckBox)
    return "check " + word + " " + std::to_string(host_->GetCheck(id));
  return "click " + word;
}

void ScriptRecorder::Acting(int id, dlg::Notification code) {
  // A command of no control's is none of the user's.
  if (host_ == nullptr || template_->Find(id) == nullptr)
    return;
  // In template order, as a reader meets the fields.
  for (const auto& c : template_->controls) {
    if (!IsField(c))
      continue;
    std::string text = host_->GetWindowText(c.id);
    if (text != seen_[c.id]) {
      Write(SetLine(c.id, text));
      seen_[c.id] = std::move(text);
    }
  }
  actionStart_ = out_.tellp();
  action_ = ActionLine(Action(id, code), *template_, id);
  Write(*action_);
}

void ScriptRecorder::Acted() {
  // What the handlers wrote into the fields is not the user's.
  if (!action_)
    return;
  action_.reset();
  seen_ = Fields();
}

void ScriptRecorder::FileAnswered(const std::optional<std::string>& path) {
  if (!action_) {
    Write(FileLine(path));
    return;
  }
  // The answer is read by the next file dialog: it goes before the action.
  out_.seekp(actionStart_);
  Write(FileLine(path));
  actionStart_ = out_.tellp();
  Write(*action_);
}

void ScriptRecorder::Write(const std::string& line) {
  out_ << line << '\n';
  out_.flush();
}

} // namespace ui
