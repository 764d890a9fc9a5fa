// What a dialog needs from the window system: its controls by id, and the shell
// services (file-open dialog, message box, wait cursor). The wx, headless and
// Win32 hosts implement it.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/dialog/dialog_template.hpp"

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

// The rules every host keeps. Those marked * are enforced here, once, and the
// hosts implement the window system's primitives (the Do... members) under
// them; the others are each window system's own behaviour, which every host
// shows alike (tests/support/host_contract.hpp checks all of them on each host).
// * SetCurSel with an index outside the list selects nothing, empties an
//   editable combo box's text and returns -1.
// * SetWindowText on an editable combo box (kDropDown) replaces its text and
//   selects nothing; on a drop-down list (kDropDownList) it selects the entry
//   with exactly that text, or nothing.
// * GetLBText of an index outside the list is empty.
// * A progress bar's position stays in its range (0 to 100 until SetRange):
//   SetPos clamps and returns the position before; SetRange moves a position
//   outside the new range to its nearer end.
// - GetWindowText of a combo box with an entry selected is that entry.
// - AddString on a sorted combo box inserts where the entry sorts, case aside,
//   on any other appends; it returns the entry's index.
// - GetCheck is what SetCheck set, or what an auto check box's click left.
class DialogHost {
public:
  virtual ~DialogHost() = default;

  // Called by the dialog once its window and controls exist, before it fills them.
  void Opened(const DialogTemplate& dialogTemplate) {
    template_ = &dialogTemplate;
    ranges_.clear();
  }

  // Creates the window from the template, calls dialog.InitDialog() and runs
  // until EndDialog; returns the result given to EndDialog.
  virtual int RunModal(::CDialog& dialog) = 0;
  virtual void EndDialog(int result) = 0;

  virtual std::string GetWindowText(int id) const = 0;
  void SetWindowText(int id, std::string_view text);
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
  std::string GetLBText(int id, int index) const;
  virtual int GetCurSel(int id) const = 0;
  int SetCurSel(int id, int index);

  // Progress bars.
  void SetRange(int id, int lower, int upper);
  virtual int GetPos(int id) const = 0;
  int SetPos(int id, int pos);
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

protected:
  // The primitives under the rules above, called with what they allow only.
  virtual void DoSetWindowText(int id, std::string_view text) = 0;
  virtual std::string DoGetLBText(int id, int index) const = 0; // 0 <= index < count
  virtual void DoSetCurSel(int id, int index) = 0;              // -1 <= index < count
  virtual void DoSetRange(int id, int lower, int upper) = 0;
  virtual int DoSetPos(int id, int pos) = 0; // pos inside the range; the position before

private:
  // The open dialog's combo box of that id; null for another control.
  const ControlTemplate* Combo(int id) const;

  const DialogTemplate* template_ = nullptr;
  std::map<int, std::pair<int, int>> ranges_; // progress bars given a range
};

} // namespace dlg
