// A host without windows: controls are plain state, file dialogs are answered
// from a queue, message boxes are recorded. The command line and the tests
// drive the dialog through it.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog/cdialog.hpp"
#include "platform/dialog/dialog_host.hpp"

namespace dlg {

struct ControlState {
  const ControlTemplate* control = nullptr;
  std::string text;
  bool enabled = true;
  int check = 0;
  std::vector<std::string> items;
  int selection = -1;
  int rangeLower = 0;
  int rangeUpper = 100;
  int position = 0;
};

struct RecordedMessageBox {
  std::string text;
  std::string caption;
  unsigned type;
};

struct RecordedFileDialog {
  std::string filter;
  std::string defaultExtension;
  unsigned flags;
};

class HeadlessHost : public DialogHost {
public:
  explicit HeadlessHost(std::string appName = "velta-editor") : appName_(std::move(appName)) {}

  // What RunModal does once the dialog is initialised; without one, RunModal
  // ends the dialog with Cancel at once.
  void SetModalLoop(std::function<void(HeadlessHost&)> loop) { modalLoop_ = std::move(loop); }

  // Creates the controls from the dialog's template and initialises it,
  // without a modal loop: for tests that drive the open dialog step by step.
  bool Open(CDialog& dialog);
  bool IsOpen() const { return dialog_ != nullptr && !ended_; }
  std::optional<int> Result() const { return result_; }

  // User actions, as the window system would deliver them.
  void Click(int id); // a button or check box click (auto check boxes toggle first)
  void SetCheckAndClick(int id, int state);
  void Select(int id, int index); // selection change, then its notification
  void Type(int id, std::string_view text) { SetWindowText(id, text); }

  // File dialog answers, used in order; an empty queue or nullopt cancels.
  void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }

  const std::vector<RecordedMessageBox>& messageBoxes() const { return messageBoxes_; }
  const std::vector<RecordedFileDialog>& fileDialogs() const { return fileDialogs_; }
  int waitCursorDepth() const { return waitDepth_; }
  int waitCursorCount() const { return waitCount_; }
  const ControlState& State(int id) const;
  // Controls in template order.
  std::vector<int> ControlIds() const;
  // Called for each message box as it is shown (the command line prints them).
  void SetMessageBoxObserver(std::function<void(const RecordedMessageBox&)> observer) {
    messageBoxObserver_ = std::move(observer);
  }

  int RunModal(CDialog& dialog) override;
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
  void UpdateWindow(int) override {}
  void SetIcon(int resourceId, bool large) override {
    (large ? largeIcon_ : smallIcon_) = resourceId;
  }
  int largeIcon() const { return largeIcon_; }
  int smallIcon() const { return smallIcon_; }
  std::optional<std::string> ChooseFile(const FileDialogOptions& options) override;
  int MessageBox(std::string_view text, std::string_view caption, unsigned type) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  std::string AppName() const override { return appName_; }

protected:
  void DoSetWindowText(int id, std::string_view text) override;
  std::string DoGetLBText(int id, int index) const override;
  void DoSetCurSel(int id, int index) override;
  void DoSetRange(int id, int lower, int upper) override;
  int DoSetPos(int id, int pos) override;

private:
  ControlState& At(int id);
  const ControlState& At(int id) const;

  std::string appName_;
  CDialog* dialog_ = nullptr;
  bool ended_ = false;
  std::optional<int> result_;
  std::function<void(HeadlessHost&)> modalLoop_;
  std::map<int, ControlState> controls_;
  std::vector<int> order_;
  std::deque<std::optional<std::string>> files_;
  std::vector<RecordedMessageBox> messageBoxes_;
  std::vector<RecordedFileDialog> fileDialogs_;
  std::function<void(const RecordedMessageBox&)> messageBoxObserver_;
  int largeIcon_ = 0;
  int smallIcon_ = 0;
  int waitDepth_ = 0;
  int waitCount_ = 0;
};

} // namespace dlg
