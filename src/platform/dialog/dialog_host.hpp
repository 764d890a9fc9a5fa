// What a dialog needs from the window system: its controls by id, and the shell
// services (file-open dialog, message box, wait cursor). The wx, headless and
// Win32 hosts implement it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/dialog/dialog_template.hpp"

namespace dlg {} // namespace dlg

class CDialog;

namespace dlg {

// Message box styles and answers, with the Windows values.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_ICONMASK = 0xF0;

// File-open dialog flags that change what the dialog offers.
constexpr unsigned OFN_OVERWRITEPROMPT = 0x2;
constexpr unsigned OFN_HIDEREADONLY = 0x4;

struct FileDialogOptions {
  // "Name|pattern|Name|pattern||"; empty lists every file.
  std::string_view filter;
  // Appended to a typed name that has none; empty for none.
  std::string_view defaultExtension;
  unsigned flags = 0;
};

enum class Notification { Clicked, SelChange };

class DialogHost {
public:
  virtual ~DialogHost() = default;

  // Creates the window from the template, calls dialog.InitDialog() and runs
  // until EndDialog; returns the result given to EndDialog.
  virtual int RunModal(::CDialog& dialog) = 0;
  virtual void EndDialog(int result) = 0;

  virtual std::string GetWindowText(int id) const = 0;
  virtual void SetWindowText(int id, std::string_view text) = 0;
  virtual void EnableWindow(int id, bool enable) = 0;
  virtual bool IsWindowEnabled(int id) const = 0;

  // Check boxes: 0 clear, 1 ticked.
  virtual int GetCheck(int id) const = 0;
  virtual void SetCheck(int id, int state) = 0;

  // Combo boxes. Indexes count from 0; -1 means no selection.
  virtual int AddString(int id, std::string_view text) = 0;
  // Fills many entries at once; hosts make this one operation, not N.
  virtual void AddStrings(int id, std::span<const std::string> texts) = 0;
  virtual int GetCount(int id) const = 0;
  virtual std::string GetLBText(int id, int index) const = 0;
  virtual int GetCurSel(int id) const = 0;
  virtual int SetCurSel(int id, int index) = 0;

  // Progress bars.
  virtual void SetRange(int id, int lower, int upper) = 0;
  virtual int GetPos(int id) const = 0;
  virtual int SetPos(int id, int pos) = 0;
  // Repaints one control now without handling input, for long operations that
  // keep the user-interface thread busy.
  virtual void UpdateWindow(int id) = 0;

  // The dialog's icon from the program's resources, as large or small icon.
  virtual void SetIcon(int resourceId, bool large) = 0;

  // Shell services.
  virtual std::optional<std::string> ChooseFile(const FileDialogOptions& options) = 0;
  virtual int MessageBox(std::string_view text, std::string_view caption, unsigned type) = 0;
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;
  // The application's name: the base name of the executable.
  virtual std::string AppName() const = 0;
};

} // namespace dlg
