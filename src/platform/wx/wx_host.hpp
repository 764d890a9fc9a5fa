// The dialog host on real windows: a wxDialog built from the dialog's
// template, its controls' notifications routed to the dialog's OnCommand.
#pragma once

#include <map>
#include <optional>
#include <vector>

#include <wx/dialog.h>
#include <wx/iconbndl.h>

#include "platform/dialog/action_observer.hpp"
#include "platform/dialog/cdialog.hpp"
#include "platform/dialog/dialog_host.hpp"
#include "platform/wx/dialog_scale.hpp"

namespace dlg {

class WxHost : public DialogHost, public ObservedActions {
public:
  WxHost() = default;
  ~WxHost() override;
  WxHost(const WxHost&) = delete;
  WxHost& operator=(const WxHost&) = delete;

  // The images of an icon resource, used by SetIcon.
  void RegisterIcon(int resourceId, wxIconBundle icons) { icons_[resourceId] = std::move(icons); }

  // RunModal's first half: builds the window and initialises the dialog
  // without showing it, so that tests can inspect and drive it.
  wxDialog* Create(::CDialog& dialog);
  // Destroys the window built by Create.
  void Close();
  wxDialog* Window() const { return window_; }
  wxWindow* Control(int id) const;
  // Pixels per dialog unit of the window built by Create.
  DialogScale Scale() const { return scale_; }
  // The result the dialog ended with, while the window is not modal.
  std::optional<int> Result() const { return result_; }

  int RunModal(::CDialog& dialog) override;
  void EndDialog(int result) override;
  std::string GetWindowText(int id) const override;
  void EnableWindow(int id, bool enable) override;
  bool IsWindowEnabled(int id) const override;
  int GetCheck(int id) const override;
  void SetCheck(int id, int state) override;
  int AddString(int id, std::string_view text) override;
  void AddStrings(int id, std::span<const std::string> texts) override;
  int GetCount(int id) const override;
  int GetCurSel(int id) const override;
  int GetPos(int id) const override;
  void UpdateWindow(int id) override;
  void SetIcon(int resourceId, bool large) override;
  std::optional<std::string> ChooseFile(const FileDialogOptions& options) override;
  int MessageBox(std::string_view text, std::string_view caption, unsigned type) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  std::string AppName() const override;

protected:
  void DoSetWindowText(int id, std::string_view text) override;
  std::string DoGetLBText(int id, int index) const override;
  void DoSetCurSel(int id, int index) override;
  void DoSetRange(int id, int lower, int upper) override;
  int DoSetPos(int id, int pos) override;

private:
  using Entry = BuiltControl;
  const Entry& At(int id) const;
  template <class T> T& As(int id) const;
  void OnNotify(wxCommandEvent& event, Notification code);
  void PaintSunkenFields();

  ::CDialog* dialog_ = nullptr;
  wxDialog* window_ = nullptr;
  std::vector<Entry> built_;      // every control, in template order
  std::map<int, Entry> controls_; // those with an id of their own
  DialogScale scale_{1, 1};
  std::map<int, int> rangeLower_; // progress bars count from 0 here
  std::map<int, wxIconBundle> icons_;
  std::optional<int> result_;
};

} // namespace dlg
