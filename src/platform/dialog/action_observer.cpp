#include "platform/dialog/action_observer.hpp"

#include "platform/dialog/cdialog.hpp"

namespace dlg {

void ObservedActions::NotifyOpened(const DialogHost& host, const ::CDialog& dialog) const {
  if (observer_)
    observer_->Opened(host, dialog.Template());
}

bool ObservedActions::Dispatch(::CDialog& dialog, int id, Notification code) const {
  if (observer_)
    observer_->Acting(id, code);
  const bool handled = dialog.OnCommand(id, code);
  if (observer_)
    observer_->Acted();
  return handled;
}

std::optional<std::string> ObservedActions::Answered(std::optional<std::string> path) const {
  if (observer_)
    observer_->FileAnswered(path);
  return path;
}

} // namespace dlg
