#include "platform/windows/win32_host.hpp"

#include <vector>

#include "platform/windows/dialog_fit.hpp"
#include "platform/windows/dialog_template_ex.hpp"
#include "platform/windows/text.hpp"
// Windows headers last (see windows_api.hpp).
#include "platform/windows/windows_api.hpp"

namespace win {

namespace {

HWND Hwnd(void* window) {
  return static_cast<HWND>(window);
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG)
    SetWindowLongPtrW(window, DWLP_USER, lParam);
  auto* host = reinterpret_cast<Win32Host*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!host)
    return FALSE;
  return host->HandleMessage(window, message, wParam, lParam);
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

} // namespace

Win32Host::~Win32Host() {
  // A wait cursor left on would outlive the host.
  if (waitDepth_ > 0)
    SetCursor(static_cast<HCURSOR>(savedCursor_));
}

int Win32Host::RunModal(::CDialog& dialog) {
  const std::vector<std::uint32_t> dialogTemplate = BuildDialogTemplateEx(dialog.Template());
  dialog_ = &dialog;
  const INT_PTR result = DialogBoxIndirectParamW(
      GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), nullptr,
      DialogProc, reinterpret_cast<LPARAM>(this));
  dialog_ = nullptr;
  window_ = nullptr;
  return static_cast<int>(result);
}

void Win32Host::EndDialog(int result) {
  if (window_)
    ::EndDialog(Hwnd(window_), result);
}

std::intptr_t Win32Host::HandleMessage(void* window, unsigned message, std::uintptr_t wParam,
                                       std::intptr_t) {
  switch (message) {
  case WM_INITDIALOG: {
    window_ = window;
    const bool focusDefault = dialog_->InitDialog();
    NotifyOpened(*this, *dialog_);
    // Once the lists are filled, so that their selections are measured too.
    FitToText(window_, dialog_->Template().controls);
    return focusDefault ? TRUE : FALSE;
  }
  case WM_COMMAND: {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == BN_CLICKED)
      return Dispatch(*dialog_, id, dlg::Notification::Clicked) ? TRUE : FALSE;
    if (code == CBN_SELCHANGE)
      return Dispatch(*dialog_, id, dlg::Notification::SelChange) ? TRUE : FALSE;
    return FALSE;
  }
  case WM_PAINT:
    if (!IsIconic(Hwnd(window)))
      return FALSE;
    PaintMinimised();
    return TRUE;
  case WM_QUERYDRAGICON:
    // Returned as it is, not through the message result.
    return reinterpret_cast<std::intptr_t>(largeIcon_);
  default:
    return FALSE;
  }
}

void Win32Host::PaintMinimised() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Hwnd(window_), &paint);
  SendMessageW(Hwnd(window_), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  const int iconWidth = GetSystemMetrics(SM_CXICON);
  const int iconHeight = GetSystemMetrics(SM_CYICON);
  RECT client;
  GetClientRect(Hwnd(window_), &client);
  const int x = (client.right - client.left - iconWidth + 1) / 2;
  const int y = (client.bottom - client.top - iconHeight + 1) / 2;
  DrawIcon(dc, x, y, static_cast<HICON>(largeIcon_));
  EndPaint(Hwnd(window_), &paint);
}

void* Win32Host::Control(int id) const {
  return GetDlgItem(Hwnd(window_), id);
}

std::intptr_t Win32Host::Send(int id, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) const {
  return SendDlgItemMessageW(Hwnd(window_), id, message, wParam, lParam);
}

std::string Win32Host::GetWindowText(int id) const {
  return Narrow(WindowText(Hwnd(Control(id))));
}

void Win32Host::DoSetWindowText(int id, std::string_view text) {
  SetWindowTextW(Hwnd(Control(id)), Widen(text).c_str());
}

void Win32Host::EnableWindow(int id, bool enable) {
  ::EnableWindow(Hwnd(Control(id)), enable);
}

bool Win32Host::IsWindowEnabled(int id) const {
  return ::IsWindowEnabled(Hwnd(Control(id)));
}

int Win32Host::GetCheck(int id) const {
  return static_cast<int>(Send(id, BM_GETCHECK, 0, 0));
}

void Win32Host::SetCheck(int id, int state) {
  Send(id, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

int Win32Host::AddString(int id, std::string_view text) {
  const std::wstring wide = Widen(text);
  return static_cast<int>(Send(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

void Win32Host::AddStrings(int id, std::span<const std::string> texts) {
  // One repaint for the whole list, not one per entry.
  Send(id, WM_SETREDRAW, FALSE, 0);
  Send(id, CB_INITSTORAGE, texts.size(), 0);
  for (const auto& text : texts)
    AddString(id, text);
  Send(id, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Hwnd(Control(id)), nullptr, TRUE);
}

int Win32Host::GetCount(int id) const {
  return static_cast<int>(Send(id, CB_GETCOUNT, 0, 0));
}

std::string Win32Host::DoGetLBText(int id, int index) const {
  const auto length = Send(id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      Send(id, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
  return Narrow(text);
}

int Win32Host::GetCurSel(int id) const {
  return static_cast<int>(Send(id, CB_GETCURSEL, 0, 0));
}

void Win32Host::DoSetCurSel(int id, int index) {
  Send(id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32Host::DoSetRange(int id, int lower, int upper) {
  Send(id, PBM_SETRANGE, 0, MAKELPARAM(lower, upper));
}

int Win32Host::GetPos(int id) const {
  return static_cast<int>(Send(id, PBM_GETPOS, 0, 0));
}

int Win32Host::DoSetPos(int id, int pos) {
  // The themed bar eases towards a higher position with timer messages, which
  // a load running on this thread never lets through, but draws a lower one at
  // once: it goes one past the position and back. At the top of the range,
  // the range makes room for the one past.
  PBRANGE range{};
  Send(id, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  const bool atTop = pos >= range.iHigh;
  if (atTop)
    Send(id, PBM_SETRANGE32, static_cast<WPARAM>(range.iLow), range.iHigh + 1);
  const auto previous = Send(id, PBM_SETPOS, static_cast<WPARAM>(pos + 1), 0);
  Send(id, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
  if (atTop)
    Send(id, PBM_SETRANGE32, static_cast<WPARAM>(range.iLow), range.iHigh);
  return static_cast<int>(previous);
}

void Win32Host::UpdateWindow(int id) {
  ::UpdateWindow(Hwnd(Control(id)));
}

void Win32Host::SetIcon(int resourceId, bool large) {
  const int width = GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON);
  const int height = GetSystemMetrics(large ? SM_CYICON : SM_CYSMICON);
  HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                           width, height, LR_DEFAULTCOLOR | LR_SHARED);
  (large ? largeIcon_ : smallIcon_) = icon;
  SendMessageW(Hwnd(window_), WM_SETICON, large ? ICON_BIG : ICON_SMALL,
               reinterpret_cast<LPARAM>(icon));
}

std::optional<std::string> Win32Host::ChooseFile(const dlg::FileDialogOptions& options) {
  const std::wstring filter = OpenFileFilter(options.filter);
  const std::wstring extension = Widen(options.defaultExtension);
  std::vector<wchar_t> path(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Hwnd(window_);
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = options.flags | OFN_EXPLORER | OFN_ENABLESIZING;
  if (!GetOpenFileNameW(&dialog))
    return Answered(std::nullopt);
  return Answered(Narrow(path.data()));
}

int Win32Host::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  return MessageBoxW(Hwnd(window_), Widen(text).c_str(), Widen(caption).c_str(), type);
}

void Win32Host::BeginWaitCursor() {
  HCURSOR previous = SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514))); // IDC_WAIT
  if (waitDepth_++ == 0)
    savedCursor_ = previous;
}

void Win32Host::EndWaitCursor() {
  if (waitDepth_ == 0)
    return;
  if (--waitDepth_ == 0)
    SetCursor(savedCursor_ ? static_cast<HCURSOR>(savedCursor_)
                           : LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))); // IDC_ARROW
}

std::string Win32Host::AppName() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  if (const auto dot = name.find_last_of(L'.'); dot != std::wstring::npos)
    name.resize(dot);
  return Narrow(name);
}

} // namespace win
