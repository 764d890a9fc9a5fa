// The in-memory extended dialog template: its exact bytes for a small table,
// the style of each kind of control, and Windows building the console's
// dialog from it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/windows/dialog_template_ex.hpp"
#include "ui/dialog_template.hpp"
// Windows headers last.
#include "platform/windows/windows_api.hpp"

namespace {

std::vector<std::uint8_t> Bytes(const std::vector<std::uint32_t>& words) {
  std::vector<std::uint8_t> bytes(words.size() * 4);
  std::memcpy(bytes.data(), words.data(), bytes.size());
  return bytes;
}

// "ab" as UTF-16 with its terminator.
#define W2(a, b) a, 0, b, 0, 0, 0

TEST(DialogTemplateExTest, SmallTemplateHasTheExactBytes) {
  constexpr dlg::ControlTemplate controls[] = {
      {1, dlg::ControlKind::PushButton, "OK", 5, 6, 50, 16, dlg::kDefaultButton | dlg::kTabStop},
      {dlg::kStaticId, dlg::ControlKind::Progress, "", 7, 8, 9, 10, dlg::kBorder},
  };
  const dlg::DialogTemplate dialog{102, "T", 0, 0, 321, 524, "Fo", 8, controls};
  const std::vector<std::uint8_t> expected = {
      0x01,         0x00, 0xFF, 0xFF, // version 1, extended
      0x00,         0x00, 0x00, 0x00, // help id
      0x00,         0x00, 0x04, 0x00, // WS_EX_APPWINDOW
      0xC8,         0x00, 0xC0, 0x90, // popup, visible, caption, modal frame, font, fixed sys
      0x02,         0x00,             // two controls
      0x00,         0x00, 0x00, 0x00, // x, y
      0x41,         0x01, 0x0C, 0x02, // 321 x 524
      0x00,         0x00, 0x00, 0x00, // no menu, dialog class
      'T',          0,    0,    0,    // title
      0x08,         0x00, 0x00, 0x00, 0x00, 0x01, // 8 pt, weight 0, not italic, default charset
      'F',          0,    'o',  0,    0,    0,    // font name
      0x00,         0x00,                         // to a DWORD boundary
      0x00,         0x00, 0x00, 0x00,             // help id
      0x00,         0x00, 0x00, 0x00,             // extended style
      0x01,         0x00, 0x01, 0x50,             // child, visible, tab stop, default push button
      0x05,         0x00, 0x06, 0x00, 0x32, 0x00, 0x10, 0x00, // 5, 6, 50 x 16
      0x01,         0x00, 0x00, 0x00,                         // id 1
      0xFF,         0xFF, 0x80, 0x00,                         // Button
      W2('O', 'K'),                                           // caption
      0x00,         0x00,             // no creation data, ending on a DWORD boundary
      0x00,         0x00, 0x00, 0x00, // help id
      0x00,         0x00, 0x00, 0x00, // extended style
      0x00,         0x00, 0x80, 0x50, // child, visible, border
      0x07,         0x00, 0x08, 0x00, 0x09, 0x00, 0x0A, 0x00, // 7, 8, 9 x 10
      0xFF,         0xFF, 0xFF, 0xFF,                         // id -1
  };
  std::vector<std::uint8_t> full = expected;
  for (const char c : std::string("msctls_progress32")) {
    full.push_back(static_cast<std::uint8_t>(c));
    full.push_back(0);
  }
  full.insert(full.end(), {0, 0, 0, 0, 0, 0}); // class end, empty caption, no creation data
  while (full.size() % 4)
    full.push_back(0);
  EXPECT_EQ(Bytes(win::BuildDialogTemplateEx(dialog)), full);
}

struct StyleCase {
  dlg::ControlKind kind;
  std::uint32_t style;
  std::uint32_t expected;
};

class ControlStyleTest : public ::testing::TestWithParam<StyleCase> {};

TEST_P(ControlStyleTest, MapsTheTableStyle) {
  const StyleCase& c = GetParam();
  const dlg::ControlTemplate control{1, c.kind, "", 0, 0, 1, 1, c.style};
  EXPECT_EQ(win::ControlStyle(control), c.expected);
}

using dlg::ControlKind;
INSTANTIATE_TEST_SUITE_P(
    Kinds, ControlStyleTest,
    ::testing::Values(
        StyleCase{ControlKind::PushButton, dlg::kDefaultButton | dlg::kTabStop, 0x50010001},
        StyleCase{ControlKind::PushButton, dlg::kTabStop, 0x50010000},
        StyleCase{ControlKind::CheckBox, dlg::kAutoCheck | dlg::kTabStop, 0x50010003},
        StyleCase{ControlKind::Edit, dlg::kBorder | dlg::kAutoHScroll | dlg::kTabStop, 0x50810080},
        StyleCase{ControlKind::ComboBox, dlg::kDropDown | dlg::kSorted | dlg::kTabStop, 0x50210502},
        StyleCase{ControlKind::ComboBox, dlg::kDropDown | dlg::kTabStop, 0x50210402},
        StyleCase{ControlKind::ComboBox, dlg::kDropDownList | dlg::kSorted | dlg::kTabStop,
                  0x50210503},
        StyleCase{ControlKind::ComboBox, dlg::kDropDownList | dlg::kTabStop, 0x50210403},
        StyleCase{ControlKind::Static, dlg::kGroup, 0x50020000},
        StyleCase{ControlKind::Static, dlg::kSunken | dlg::kNoWrap | dlg::kGroup, 0x5002100C},
        StyleCase{ControlKind::GroupBox, dlg::kNoStyle, 0x50000007},
        StyleCase{ControlKind::Progress, dlg::kBorder, 0x50800000}));

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

INT_PTR CALLBACK QuietProc(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

// Windows builds the console's dialog from the template: every control with
// its id, class and style; the dialog without a system menu.
TEST(DialogTemplateExTest, WindowsBuildsTheConsoleDialog) {
  INITCOMMONCONTROLSEX controls{8, 0xFF};
  InitCommonControlsEx(&controls);
  const auto words = win::BuildDialogTemplateEx(kVeltaEditorTemplate);
  HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                           reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), nullptr,
                                           QuietProc, 0);
  ASSERT_NE(dialog, nullptr);
  wchar_t title[64] = {};
  GetWindowTextW(dialog, title, 64);
  EXPECT_EQ(std::wstring(title), L"Velta Editor");
  const auto dialogStyle = static_cast<std::uint32_t>(GetWindowLongW(dialog, GWL_STYLE));
  EXPECT_EQ(dialogStyle & WS_SYSMENU, 0u);
  EXPECT_EQ(dialogStyle & WS_CAPTION, static_cast<std::uint32_t>(WS_CAPTION));
  EXPECT_NE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

  int children = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    ++children;
  EXPECT_EQ(children, static_cast<int>(kVeltaEditorTemplate.controls.size()));

  for (const auto& control : kVeltaEditorTemplate.controls) {
    if (control.id == dlg::kStaticId)
      continue;
    HWND window = GetDlgItem(dialog, control.id);
    ASSERT_NE(window, nullptr) << control.id;
    const std::wstring cls = ClassOf(window);
    switch (control.kind) {
    case ControlKind::Edit:
      EXPECT_EQ(_wcsicmp(cls.c_str(), L"Edit"), 0) << control.id;
      break;
    case ControlKind::ComboBox:
      EXPECT_EQ(_wcsicmp(cls.c_str(), L"ComboBox"), 0) << control.id;
      break;
    case ControlKind::Static:
      EXPECT_EQ(_wcsicmp(cls.c_str(), L"Static"), 0) << control.id;
      break;
    case ControlKind::Progress:
      EXPECT_EQ(_wcsicmp(cls.c_str(), L"msctls_progress32"), 0) << control.id;
      break;
    default:
      EXPECT_EQ(_wcsicmp(cls.c_str(), L"Button"), 0) << control.id;
    }
    // The style bits the table asks for are on the window, but for those the
    // control classes take over: an edit's border becomes a client edge, a
    // progress bar draws its own frame, and a combo box hands its scroll bar
    // to its list.
    std::uint32_t want = win::ControlStyle(control);
    const auto style = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
    const auto exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    if (control.kind == ControlKind::Edit) {
      want &= ~static_cast<std::uint32_t>(WS_BORDER);
      EXPECT_NE(exStyle & WS_EX_CLIENTEDGE, 0) << control.id;
    }
    if (control.kind == ControlKind::Progress)
      want &= ~static_cast<std::uint32_t>(WS_BORDER);
    if (control.kind == ControlKind::ComboBox)
      want &= ~static_cast<std::uint32_t>(WS_VSCROLL);
    EXPECT_EQ(style & want, want) << control.id;
  }
  DestroyWindow(dialog);
}

} // namespace
