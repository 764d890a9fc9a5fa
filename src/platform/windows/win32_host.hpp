// The Win32 dialog host: the dialog built from its template as an in-memory
// extended dialog template and run with the system's modal dialog loop, its
// command notifications routed through the dialog's message map, and the
// shell services of Windows (file-open dialog, message box, wait cursor).
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialog/action_observer.hpp"
#include "platform/dialog/cdialog.hpp"
#include "platform/dialog/dialog_host.hpp"

namespace win {

class Win32Host : public dlg::DialogHost, public dlg::ObservedActions {
public:
  Win32Host() = default;
  ~Win32Host() override;
  Win32Host(const Win32Host&) = delete;
  Win32Host& operator=(const Win32Host&) = delete;

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
  std::optional<std::string> ChooseFile(const dlg::FileDialogOptions& options) override;
  int MessageBox(std::string_view text, std::string_view caption, unsigned type) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  std::string AppName() const override;

  // The dialog window while RunModal runs; null otherwise.
  void* Window() const { return window_; }
  int WaitCursorDepth() const { return waitDepth_; }

  // The dialog procedure's work; what the procedure returns.
  std::intptr_t HandleMessage(void* window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam);

protected:
  void DoSetWindowText(int id, std::string_view text) override;
  std::string DoGetLBText(int id, int index) const override;
  void DoSetCurSel(int id, int index) override;
  void DoSetRange(int id, int lower, int upper) override;
  int DoSetPos(int id, int pos) override;

private:
  void* Control(int id) const;
  std::intptr_t Send(int id, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) const;
  void PaintMinimised();

  ::CDialog* dialog_ = nullptr;
  void* window_ = nullptr;
  void* largeIcon_ = nullptr; // shared icons from the resources: never destroyed
  void* smallIcon_ = nullptr;
  void* savedCursor_ = nullptr;
  int waitDepth_ = 0;
};

} // namespace win
