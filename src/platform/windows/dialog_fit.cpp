#include "platform/windows/dialog_fit.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

// Windows headers last (see windows_api.hpp).
#include "platform/windows/windows_api.hpp"

namespace win {

namespace {

HWND Hwnd(void* window) {
  return static_cast<HWND>(window);
}

int Scaled(int pixels, double factor) {
  return static_cast<int>(std::lround(pixels * factor));
}

// The control's rectangle in its dialog's client coordinates; a combo box's
// takes in its open list, as its window's height sets the list's.
RECT PlacedRect(HWND control, HWND dialog) {
  RECT rect;
  if (SendMessageW(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rect)) == 0)
    GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

} // namespace

PixelSize TextExtent(void* control) {
  HWND window = Hwnd(control);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  HDC dc = GetDC(window);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  // An empty text still takes a line.
  SIZE size{};
  GetTextExtentPoint32W(dc, text.empty() ? L" " : text.c_str(),
                        std::max(static_cast<int>(text.size()), 1), &size);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return {text.empty() ? 0 : static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

PixelSize TextRoom(void* control, dlg::ControlKind kind) {
  HWND window = Hwnd(control);
  RECT room;
  GetClientRect(window, &room);
  switch (kind) {
  case dlg::ControlKind::ComboBox: {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(window, &info);
    room = info.rcItem;
    break;
  }
  case dlg::ControlKind::PushButton:
    InflateRect(&room, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    break;
  case dlg::ControlKind::CheckBox:
    room.left += GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE);
    break;
  case dlg::ControlKind::Edit: {
    const auto margins = SendMessageW(window, EM_GETMARGINS, 0, 0);
    room.left += LOWORD(margins);
    room.right -= HIWORD(margins);
    break;
  }
  default:
    break;
  }
  return {static_cast<int>(room.right - room.left), static_cast<int>(room.bottom - room.top)};
}

void FitToText(void* dialog, std::span<const dlg::ControlTemplate> controls) {
  std::vector<HWND> windows;
  for (HWND child = GetWindow(Hwnd(dialog), GW_CHILD); child && windows.size() < controls.size();
       child = GetWindow(child, GW_HWNDNEXT))
    windows.push_back(child);

  double across = 1;
  double down = 1;
  for (std::size_t i = 0; i < windows.size(); ++i) {
    if (controls[i].kind == dlg::ControlKind::Progress)
      continue;
    RECT rect;
    GetWindowRect(windows[i], &rect);
    const PixelSize size{static_cast<int>(rect.right - rect.left),
                         static_cast<int>(rect.bottom - rect.top)};
    const PixelSize text = TextExtent(windows[i]);
    const PixelSize room = TextRoom(windows[i], controls[i].kind);
    // What the control needs is its text plus what it draws around it; one
    // pixel more where it does not fit, as rounding the edges can take one away.
    const PixelSize needed{text.width + size.width - room.width,
                           text.height + size.height - room.height};
    if (size.width > 0 && needed.width > size.width)
      across = std::max(across, (needed.width + 1.0) / size.width);
    if (size.height > 0 && needed.height > size.height)
      down = std::max(down, (needed.height + 1.0) / size.height);
  }
  if (across <= 1 && down <= 1)
    return;

  for (HWND window : windows) {
    const RECT rect = PlacedRect(window, Hwnd(dialog));
    const int left = Scaled(rect.left, across);
    const int top = Scaled(rect.top, down);
    SetWindowPos(window, nullptr, left, top, Scaled(rect.right, across) - left,
                 Scaled(rect.bottom, down) - top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT client;
  GetClientRect(Hwnd(dialog), &client);
  RECT frame{0, 0, Scaled(client.right, across), Scaled(client.bottom, down)};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(Hwnd(dialog), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(Hwnd(dialog), GWL_EXSTYLE)));
  SetWindowPos(Hwnd(dialog), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace win
