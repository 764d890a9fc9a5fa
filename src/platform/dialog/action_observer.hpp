// What the user does in a dialog, as its host sees it: each notification the
// host routes through the dialog's message map, and each file dialog answered.
// A host that takes an observer calls it from the one place where a user's
// notification becomes a dispatch.
#pragma once

#include <optional>
#include <string>

#include "platform/dialog/dialog_host.hpp"

class CDialog;

namespace dlg {

class ActionObserver {
public:
  virtual ~ActionObserver() = default;
  // The dialog is initialised: what its controls show now is the dialog's own.
  virtual void Opened(const DialogHost& host, const DialogTemplate& dialogTemplate) = 0;
  // A notification from the user, before the dialog handles it.
  virtual void Acting(int id, Notification code) = 0;
  // The dialog has handled it.
  virtual void Acted() = 0;
  // The user's answer to a file dialog; nullopt when it was cancelled.
  virtual void FileAnswered(const std::optional<std::string>& path) = 0;
};

// The hosts' side: the observer, if any, told around each dispatch.
class ObservedActions {
public:
  void ObserveActions(ActionObserver* observer) { observer_ = observer; }

protected:
  void NotifyOpened(const DialogHost& host, const ::CDialog& dialog) const;
  // dialog.OnCommand(id, code) between Acting and Acted.
  bool Dispatch(::CDialog& dialog, int id, Notification code) const;
  // Passes a file dialog's answer through.
  std::optional<std::string> Answered(std::optional<std::string> path) const;

private:
  ActionObserver* observer_ = nullptr;
};

} // namespace dlg
