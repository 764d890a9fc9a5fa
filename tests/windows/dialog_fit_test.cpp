// The console's dialog as Windows builds it from its template reads whole:
// every control's text, measured in the control's own font, fits the room the
// control draws it in (a combo box's item beside its button, a check box's
// text beside its box), and no two controls other than a group box and its
// contents overlap.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/windows/dialog_fit.hpp"
#include "platform/windows/text.hpp"
#include "platform/windows/win32_host.hpp"
#include "sim/simulator.hpp"
#include "ui/dialog_template.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace {
constexpr int kCancel = dlg::IDCANCEL;
} // namespace

// Windows headers last.
#include "platform/windows/windows_api.hpp"

namespace {

using dlg::ControlKind;

struct Built {
  const dlg::ControlTemplate* row;
  HWND window;
};

std::wstring Text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), text.size())));
  return text;
}

// The face the window's font resolved to, which names Wine's substitutes.
std::string FaceName(HWND window) {
  HDC dc = GetDC(window);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return win::Narrow(face) + " " + std::to_string(metrics.tmHeight) + " px";
}

std::string Describe(const Built& control) {
  return "control " + std::to_string(control.row->id) + " '" + std::string(control.row->caption) +
         "' showing '" + win::Narrow(Text(control.window)) + "'";
}

// A command of no control's, posted at start-up, so that the check runs once
// the host has finished the window.
constexpr int kCheckCommand = 0x7F00;

// The console's dialog, checked once its window is up.
class FitDialog : public CVeltaEditorDlg {
public:
  FitDialog(win::Win32Host& host, ks::DeviceCatalog& catalog, ks::Recorder& recorder)
      : CVeltaEditorDlg(host, catalog, recorder), host_(host) {}
  std::vector<Built> controls;
  std::string font;

protected:
  bool OnInitDialog() override {
    CVeltaEditorDlg::OnInitDialog();
    PostMessageW(static_cast<HWND>(host_.Window()), WM_COMMAND,
                 MAKEWPARAM(kCheckCommand, BN_CLICKED), 0);
    return true;
  }
  bool RouteCommand(int id, dlg::Notification code) override {
    if (id != kCheckCommand)
      return CVeltaEditorDlg::RouteCommand(id, code);
    // Controls are the dialog's children in template order.
    HWND dialog = static_cast<HWND>(host_.Window());
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const auto& row : kVeltaEditorTemplate.controls) {
      controls.push_back({&row, child});
      child = GetWindow(child, GW_HWNDNEXT);
    }
    font = FaceName(dialog);
    Check();
    EndDialog(kCancel);
    return true;
  }

private:
  win::Win32Host& host_;

  void Check() const {
    for (const auto& control : controls) {
      if (control.row->kind == ControlKind::Progress)
        continue;
      const win::PixelSize text = win::TextExtent(control.window);
      const win::PixelSize room = win::TextRoom(control.window, control.row->kind);
      EXPECT_TRUE(text.width <= room.width && text.height <= room.height)
          << Describe(control) << " in " << font << " needs " << text.width << "x" << text.height
          << " px, has " << room.width << "x" << room.height;
    }
    for (auto a = controls.begin(); a != controls.end(); ++a) {
      for (auto b = std::next(a); b != controls.end(); ++b) {
        if (a->row->kind == ControlKind::GroupBox || b->row->kind == ControlKind::GroupBox)
          continue;
        RECT ra, rb, both;
        GetWindowRect(a->window, &ra);
        GetWindowRect(b->window, &rb);
        EXPECT_FALSE(IntersectRect(&both, &ra, &rb))
            << Describe(*a) << " overlaps " << Describe(*b);
      }
    }
  }
};

TEST(DialogFit, EveryTextFitsAndNoControlsOverlap) {
  sim::Simulator simulator({}, sim::TimeMode::Virtual);
  ks::Recorder recorder(simulator.clock());
  win::Win32Host host;
  FitDialog dialog(host, simulator.catalog(), recorder);
  ASSERT_TRUE(dialog.FindDevice());
  EXPECT_EQ(dialog.DoModal(), kCancel);
  EXPECT_EQ(dialog.controls.size(), kVeltaEditorTemplate.controls.size());
}

} // namespace
