// Writes what the user does in a dialog as a velta-cli script, each line
// flushed as it happens: before an action, a "set" for every field whose
// text the user changed since the last one; the action; and before the action
// that opened a file dialog, the dialog's answer.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "platform/dialog/action_observer.hpp"

namespace ui {

class ScriptRecorder : public dlg::ActionObserver {
public:
  // `out` must be able to seek back over the action line: a file answer
  // goes before the action that asked for it.
  explicit ScriptRecorder(std::ostream& out) : out_(out) {}

  void Opened(const dlg::DialogHost& host, const dlg::DialogTemplate& dialogTemplate) override;
  void Acting(int id, dlg::Notification code) override;
  void Acted() override;
  void FileAnswered(const std::optional<std::string>& path) override;

private:
  // The text of every edit field and editable combo box, by id.
  std::map<int, std::string> Fields() const;
  std::string Action(int id, dlg::Notification code) const;
  void Write(const std::string& line);

  std::ostream& out_;
  const dlg::DialogHost* host_ = nullptr;
  const dlg::DialogTemplate* template_ = nullptr;
  std::map<int, std::string> seen_; // the fields as the last action left them
  // The line of the action being handled and where it starts in the output.
  std::optional<std::string> action_;
  std::streampos actionStart_ = 0;
};

} // namespace ui
