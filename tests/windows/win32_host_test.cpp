// The Win32 host runs a dialog built from a template with the system's modal
// loop: controls by id, notifications through the message map, Enter and Esc.
#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog/cdialog.hpp"
#include "platform/windows/win32_host.hpp"

namespace {
// The dialog results; windows.h makes macros of their usual names.
constexpr int kOk = dlg::IDOK;
constexpr int kCancel = dlg::IDCANCEL;
} // namespace

// Windows headers last.
#include "platform/windows/windows_api.hpp"

namespace {

using dlg::ControlKind;

constexpr int kEdit = 10;
constexpr int kCheck = 11;
constexpr int kCombo = 12;
constexpr int kProgress = 13;
constexpr int kButton = 14;

constexpr dlg::ControlTemplate kControls[] = {
    {kEdit, ControlKind::Edit, "", 5, 5, 60, 14, dlg::kBorder | dlg::kAutoHScroll | dlg::kTabStop},
    {1, ControlKind::PushButton, "OK", 70, 5, 50, 14, dlg::kDefaultButton | dlg::kTabStop},
    {2, ControlKind::PushButton, "Cancel", 125, 5, 50, 14, dlg::kTabStop},
    {kCheck, ControlKind::CheckBox, "Box", 5, 25, 50, 10, dlg::kAutoCheck | dlg::kTabStop},
    {kCombo, ControlKind::ComboBox, "", 5, 40, 60, 80,
     dlg::kDropDownList | dlg::kSorted | dlg::kTabStop},
    {kProgress, ControlKind::Progress, "", 5, 60, 100, 10, dlg::kBorder},
    {kButton, ControlKind::PushButton, "Go", 70, 25, 50, 14, dlg::kTabStop},
};
const dlg::DialogTemplate kTemplate{200, "Host Test", 0, 0, 200, 80, "MS Shell Dlg", 8, kControls};

using Event = std::pair<dlg::Notification, int>;

class TestDialog : public CDialog {
public:
  TestDialog(dlg::DialogHost& host, std::function<void(TestDialog&)> script)
      : CDialog(kTemplate, host), script_(std::move(script)) {}

  void OnGo() { events.emplace_back(dlg::Notification::Clicked, kButton); }
  void OnBox() { events.emplace_back(dlg::Notification::Clicked, kCheck); }
  void OnPick() { events.emplace_back(dlg::Notification::SelChange, kCombo); }

  std::vector<Event> events;
  bool initialised = false;

protected:
  bool OnInitDialog() override {
    initialised = true;
    script_(*this);
    return true;
  }
  bool RouteCommand(int id, dlg::Notification code) override {
    static constexpr MessageMapEntry<TestDialog> kMap[] = {
        {dlg::Notification::Clicked, kButton, &TestDialog::OnGo},
        {dlg::Notification::Clicked, kCheck, &TestDialog::OnBox},
        {dlg::Notification::SelChange, kCombo, &TestDialog::OnPick},
    };
    return DispatchMessageMap<TestDialog>(*this, kMap, code, id);
  }

private:
  std::function<void(TestDialog&)> script_;
};

HWND Item(win::Win32Host& host, int id) {
  return GetDlgItem(static_cast<HWND>(host.Window()), id);
}

// A key pressed in the edit field, after everything already queued.
void PressKey(win::Win32Host& host, WPARAM key) {
  PostMessageW(Item(host, kEdit), WM_KEYDOWN, key, 0);
  PostMessageW(Item(host, kEdit), WM_KEYUP, key, 0);
}

struct KeyCase {
  WPARAM key;
  int result;
};

class Win32HostKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Win32HostKeyTest, KeyEndsTheDialog) {
  win::Win32Host host;
  TestDialog dialog(host, [&](TestDialog&) {
    SetFocus(Item(host, kEdit));
    PressKey(host, GetParam().key);
  });
  EXPECT_EQ(dialog.DoModal(), GetParam().result);
  EXPECT_TRUE(dialog.initialised);
  EXPECT_EQ(host.Window(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EnterAndEsc, Win32HostKeyTest,
                         ::testing::Values(KeyCase{VK_RETURN, kOk}, KeyCase{VK_ESCAPE, kCancel}));

TEST(Win32HostTest, ControlsKeepWhatTheHandlersSet) {
  win::Win32Host host;
  TestDialog dialog(host, [&](TestDialog& d) {
    // The top of the range is reached, and the range stays as it was set
    // (host_contract_test.cpp has the rest of the controls' rules).
    host.SetRange(kProgress, 0, 100);
    EXPECT_EQ(host.SetPos(kProgress, 40), 0);
    EXPECT_EQ(host.SetPos(kProgress, 100), 40);
    EXPECT_EQ(host.GetPos(kProgress), 100);
    EXPECT_EQ(SendMessageW(Item(host, kProgress), PBM_GETRANGE, FALSE, 0), 100);
    EXPECT_EQ(host.SetPos(kProgress, 40), 100);
    host.UpdateWindow(kProgress);

    host.EnableWindow(kCombo, false);
    EXPECT_FALSE(host.IsWindowEnabled(kCombo));
    host.EnableWindow(kCombo, true);
    EXPECT_TRUE(host.IsWindowEnabled(kCombo));

    host.BeginWaitCursor();
    host.BeginWaitCursor();
    EXPECT_EQ(host.WaitCursorDepth(), 2);
    host.EndWaitCursor();
    host.EndWaitCursor();
    EXPECT_EQ(host.WaitCursorDepth(), 0);
    d.EndDialog(kOk);
  });
  EXPECT_EQ(dialog.DoModal(), kOk);
}

TEST(Win32HostTest, NotificationsReachTheMessageMap) {
  win::Win32Host host;
  TestDialog dialog(host, [&](TestDialog&) {
    host.AddString(kCombo, "x");
    // A click as the button itself reports it, and the auto check box toggling.
    SendMessageW(Item(host, kButton), BM_CLICK, 0, 0);
    SendMessageW(Item(host, kCheck), BM_CLICK, 0, 0);
    EXPECT_EQ(host.GetCheck(kCheck), 1);
    // A selection change as the combo box reports it to its parent.
    SendMessageW(static_cast<HWND>(host.Window()), WM_COMMAND, MAKEWPARAM(kCombo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(host, kCombo)));
    // Notifications without a handler go nowhere.
    SendMessageW(static_cast<HWND>(host.Window()), WM_COMMAND, MAKEWPARAM(kEdit, EN_CHANGE),
                 reinterpret_cast<LPARAM>(Item(host, kEdit)));
    SendMessageW(static_cast<HWND>(host.Window()), WM_COMMAND, MAKEWPARAM(kCombo, CBN_DROPDOWN),
                 reinterpret_cast<LPARAM>(Item(host, kCombo)));
    PressKey(host, VK_ESCAPE);
  });
  EXPECT_EQ(dialog.DoModal(), kCancel);
  EXPECT_EQ(dialog.events, (std::vector<Event>{{dlg::Notification::Clicked, kButton},
                                               {dlg::Notification::Clicked, kCheck},
                                               {dlg::Notification::SelChange, kCombo}}));
}

TEST(Win32HostTest, AppNameIsTheProgramsBaseName) {
  win::Win32Host host;
  EXPECT_EQ(host.AppName(), "test_windows");
}

} // namespace
