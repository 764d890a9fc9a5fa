#include "platform/wx/wx_host.hpp"

#include <algorithm>
#include <stdexcept>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dcclient.h>
#include <wx/evtloop.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/gauge.h>
#include <wx/msgdlg.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/stattext.h>
#include <wx/stdpaths.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "platform/wx/control_factory.hpp"
#include "platform/wx/file_filter.hpp"

namespace dlg {

namespace {

wxString ToWx(std::string_view text) {
  return wxString::FromUTF8(text.data(), text.size());
}
std::string FromWx(const wxString& text) {
  return std::string(text.utf8_str());
}

long IconStyle(unsigned type) {
  switch (type & MB_ICONMASK) {
  case MB_ICONERROR:
    return wxICON_ERROR;
  case MB_ICONWARNING:
    return wxICON_WARNING;
  case MB_ICONINFORMATION:
    return wxICON_INFORMATION;
  default:
    return wxICON_NONE;
  }
}

} // namespace

WxHost::~WxHost() {
  Close();
}

wxDialog* WxHost::Create(::CDialog& dialog) {
  Close();
  const DialogTemplate& tmpl = dialog.Template();
  // A caption only: no system menu and no close box.
  window_ = new wxDialog(nullptr, wxID_ANY, ToWx(tmpl.title), wxDefaultPosition, wxDefaultSize,
                         wxCAPTION);
  // Dialog units follow the dialog's font, so it is set before anything is placed.
  wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  font.SetPointSize(tmpl.pointSize);
  window_->SetFont(font);

  for (const auto& control : tmpl.controls) {
    const Entry entry{&control, CreateControl(window_, control)};
    built_.push_back(entry);
    if (control.id != kStaticId)
      controls_[control.id] = entry;
  }
  window_->SetAffirmativeId(IDOK);
  window_->SetEscapeId(IDCANCEL);
  window_->Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) { OnNotify(e, Notification::Clicked); });
  window_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& e) { OnNotify(e, Notification::Clicked); });
  window_->Bind(wxEVT_COMBOBOX,
                [this](wxCommandEvent& e) { OnNotify(e, Notification::SelChange); });
  // GTK draws no border around a label: the dialog paints the sunken field
  // behind it.
  window_->Bind(wxEVT_PAINT, [this](wxPaintEvent&) { PaintSunkenFields(); });

  dialog_ = &dialog;
  result_.reset();
  dialog.InitDialog();
  NotifyOpened(*this, dialog);
  // Measured once the dialog has filled its controls, so that the entries it
  // selects show whole too.
  scale_ = FitScale(FontScale(*window_), built_);
  for (const auto& entry : built_)
    PlaceControl(*entry.window, *entry.control, scale_);
  window_->SetClientSize(scale_.Size(tmpl.width, tmpl.height));
  // The template's position 0, 0 is the screen's corner, under a desktop's
  // panel on most desktops: the window opens centred instead.
  window_->CentreOnScreen();
  return window_;
}

void WxHost::Close() {
  delete window_;
  window_ = nullptr;
  dialog_ = nullptr;
  built_.clear();
  controls_.clear();
  rangeLower_.clear();
}

int WxHost::RunModal(::CDialog& dialog) {
  Create(dialog);
  // The dialog is the program's only window while it runs.
  wxTheApp->SetTopWindow(window_);
  if (!result_)
    result_ = window_->ShowModal();
  wxTheApp->SetTopWindow(nullptr);
  const int result = *result_;
  Close();
  return result;
}

void WxHost::EndDialog(int result) {
  result_ = result;
  if (window_ && window_->IsModal())
    window_->EndModal(result);
}

void WxHost::PaintSunkenFields() {
  wxPaintDC dc(window_);
  for (const auto& [id, entry] : controls_) {
    const ControlTemplate& c = *entry.control;
    if (c.kind == ControlKind::Static && (c.style & kSunken))
      wxRendererNative::Get().DrawTextCtrl(window_, dc, scale_.Rect(c.x, c.y, c.width, c.height));
  }
}

void WxHost::OnNotify(wxCommandEvent& event, Notification code) {
  // Notifications of controls the template does not name (none today) go on
  // to wx's own handling.
  if (!dialog_ || controls_.count(event.GetId()) == 0 || !Dispatch(*dialog_, event.GetId(), code))
    event.Skip();
}

wxWindow* WxHost::Control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second.window;
}

const WxHost::Entry& WxHost::At(int id) const {
  const auto it = controls_.find(id);
  if (it == controls_.end())
    throw std::out_of_range("no control " + std::to_string(id));
  return it->second;
}

template <class T> T& WxHost::As(int id) const {
  auto* window = dynamic_cast<T*>(At(id).window);
  if (!window)
    throw std::invalid_argument("control " + std::to_string(id) + " is of another kind");
  return *window;
}

std::string WxHost::GetWindowText(int id) const {
  const Entry& entry = At(id);
  switch (entry.control->kind) {
  case ControlKind::Edit:
    return FromWx(As<wxTextCtrl>(id).GetValue());
  case ControlKind::ComboBox:
    return FromWx(As<wxComboBox>(id).GetValue());
  case ControlKind::Static:
    return FromWx(As<wxStaticText>(id).GetLabelText());
  default:
    return FromWx(entry.window->GetLabel());
  }
}

void WxHost::DoSetWindowText(int id, std::string_view text) {
  const Entry& entry = At(id);
  switch (entry.control->kind) {
  case ControlKind::Edit:
    As<wxTextCtrl>(id).ChangeValue(ToWx(text));
    break;
  case ControlKind::ComboBox:
    As<wxComboBox>(id).ChangeValue(ToWx(text));
    break;
  case ControlKind::Static:
    // File names and values are shown as they are, "&" included.
    As<wxStaticText>(id).SetLabelText(ToWx(text));
    break;
  default:
    entry.window->SetLabel(ToWx(text));
    break;
  }
}

void WxHost::EnableWindow(int id, bool enable) {
  At(id).window->Enable(enable);
}
bool WxHost::IsWindowEnabled(int id) const {
  return At(id).window->IsThisEnabled();
}

int WxHost::GetCheck(int id) const {
  return As<wxCheckBox>(id).GetValue() ? 1 : 0;
}
void WxHost::SetCheck(int id, int state) {
  As<wxCheckBox>(id).SetValue(state != 0);
}

int WxHost::AddString(int id, std::string_view text) {
  return As<wxComboBox>(id).Append(ToWx(text));
}

void WxHost::AddStrings(int id, std::span<const std::string> texts) {
  auto& combo = As<wxComboBox>(id);
  wxArrayString items;
  items.reserve(texts.size());
  for (const auto& text : texts)
    items.push_back(ToWx(text));
  combo.Freeze();
  combo.Append(items);
  combo.Thaw();
}

int WxHost::GetCount(int id) const {
  return static_cast<int>(As<wxComboBox>(id).GetCount());
}

std::string WxHost::DoGetLBText(int id, int index) const {
  return FromWx(As<wxComboBox>(id).GetString(static_cast<unsigned>(index)));
}

int WxHost::GetCurSel(int id) const {
  return As<wxComboBox>(id).GetSelection();
}

void WxHost::DoSetCurSel(int id, int index) {
  auto& combo = As<wxComboBox>(id);
  if (index >= 0) {
    combo.SetSelection(index);
    return;
  }
  // GTK keeps showing the entry that was selected, in a list as well.
  combo.SetSelection(wxNOT_FOUND);
  combo.ChangeValue(wxString());
}

void WxHost::DoSetRange(int id, int lower, int upper) {
  auto& gauge = As<wxGauge>(id);
  const int pos = std::clamp(GetPos(id), lower, upper);
  rangeLower_[id] = lower;
  gauge.SetRange(std::max(upper - lower, 1));
  gauge.SetValue(pos - lower);
}

int WxHost::GetPos(int id) const {
  const auto lower = rangeLower_.find(id);
  return As<wxGauge>(id).GetValue() + (lower == rangeLower_.end() ? 0 : lower->second);
}

int WxHost::DoSetPos(int id, int pos) {
  auto& gauge = As<wxGauge>(id);
  const int previous = GetPos(id);
  const int lower = previous - gauge.GetValue();
  gauge.SetValue(std::clamp(pos - lower, 0, gauge.GetRange()));
  return previous;
}

void WxHost::UpdateWindow(int id) {
  wxWindow* window = At(id).window;
  window->Refresh();
  window->Update();
  // Paint and layout only: clicks and keys wait until the handler returns.
  if (auto* loop = wxEventLoopBase::GetActive())
    loop->YieldFor(wxEVT_CATEGORY_UI);
}

void WxHost::SetIcon(int resourceId, bool) {
  // The bundle holds every size; the window system picks large and small from it.
  const auto it = icons_.find(resourceId);
  if (window_ && it != icons_.end())
    window_->SetIcons(it->second);
}

std::optional<std::string> WxHost::ChooseFile(const FileDialogOptions& options) {
  wxFileDialog chooser(window_, wxFileSelectorPromptStr, wxString(), wxString(),
                       ToWx(WxWildcard(options.filter)), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (chooser.ShowModal() != wxID_OK)
    return Answered(std::nullopt);
  return Answered(
      WithDefaultExtension(FromWx(chooser.GetPath()), options.defaultExtension,
                           [](const std::string& path) { return wxFileExists(ToWx(path)); }));
}

int WxHost::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  wxMessageDialog box(window_, ToWx(text), ToWx(caption), wxOK | IconStyle(type));
  box.ShowModal();
  return IDOK;
}

void WxHost::BeginWaitCursor() {
  wxBeginBusyCursor();
}
void WxHost::EndWaitCursor() {
  wxEndBusyCursor();
}

std::string WxHost::AppName() const {
  return FromWx(wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetName());
}

} // namespace dlg
