// The dialog framework: a dialog built by its host from a template, its
// control members bound by id, notifications routed through a message map.
#pragma once

#include <span>

#include "platform/dialog/controls.hpp"
#include "platform/dialog/dialog_host.hpp"
#include "platform/dialog/dialog_template.hpp"

// Binds control members to the window's controls once the window exists.
class CDataExchange {
public:
  explicit CDataExchange(dlg::DialogHost& host) : host_(host) {}
  dlg::DialogHost& host() const { return host_; }

private:
  dlg::DialogHost& host_;
};

inline void DDX_Control(CDataExchange& dx, int id, CWnd& control) {
  control.Attach(dx.host(), id);
}

// One row of a message map: a notification from a control and the member that
// handles it.
template <class Dialog> struct MessageMapEntry {
  dlg::Notification code;
  int id;
  void (Dialog::*handler)();
};

// Looks up (code, id) in a map and calls the handler; false when none matches.
template <class Dialog>
bool DispatchMessageMap(Dialog& dialog, std::span<const MessageMapEntry<Dialog>> map,
                        dlg::Notification code, int id) {
  for (const auto& entry : map) {
    if (entry.code == code && entry.id == id) {
      (dialog.*entry.handler)();
      return true;
    }
  }
  return false;
}

class CDialog {
public:
  CDialog(const dlg::DialogTemplate& dialogTemplate, dlg::DialogHost& host)
      : template_(dialogTemplate), host_(host) {}
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Creates the window through the host and runs it until OK or Cancel.
  int DoModal() { return host_.RunModal(*this); }

  // Called by the host once the window and its controls exist: binds the
  // control members, then runs OnInitDialog.
  bool InitDialog() {
    host_.Opened(template_);
    CDataExchange dx(host_);
    DoDataExchange(dx);
    return OnInitDialog();
  }

  // A notification from a control. OK and Cancel end the dialog unless the
  // message map routes them elsewhere.
  bool OnCommand(int id, dlg::Notification code) {
    if (RouteCommand(id, code))
      return true;
    if (code != dlg::Notification::Clicked)
      return false;
    if (id == dlg::IDOK) {
      OnOK();
      return true;
    }
    if (id == dlg::IDCANCEL) {
      OnCancel();
      return true;
    }
    return false;
  }

  void EndDialog(int result) { host_.EndDialog(result); }

  const dlg::DialogTemplate& Template() const { return template_; }
  dlg::DialogHost& Host() const { return host_; }

protected:
  virtual void DoDataExchange(CDataExchange&) {}
  virtual bool OnInitDialog() { return true; }
  // The dialog's own message map; true when it handled the notification.
  virtual bool RouteCommand(int, dlg::Notification) { return false; }
  virtual void OnOK() { EndDialog(dlg::IDOK); }
  virtual void OnCancel() { EndDialog(dlg::IDCANCEL); }

  // A message box owned by the dialog.
  int MessageBox(std::string_view text, std::string_view caption, unsigned type) {
    return host_.MessageBox(text, caption, type);
  }

private:
  const dlg::DialogTemplate& template_;
  dlg::DialogHost& host_;
};

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor {
public:
  explicit CWaitCursor(dlg::DialogHost& host) : host_(host) { host_.BeginWaitCursor(); }
  ~CWaitCursor() { host_.EndWaitCursor(); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
  dlg::DialogHost& host_;
};
