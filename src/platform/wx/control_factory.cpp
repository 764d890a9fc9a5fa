#include "platform/wx/control_factory.hpp"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace dlg {

int WxId(int templateId) {
  return templateId == kStaticId ? wxID_ANY : templateId;
}

long ComboStyle(std::uint32_t style) {
  long wxStyle = (style & kDropDownList) ? wxCB_READONLY : wxCB_DROPDOWN;
  if (style & kSorted)
    wxStyle |= wxCB_SORT;
  return wxStyle;
}

namespace {

wxString Caption(const ControlTemplate& control) {
  return wxString::FromUTF8(control.caption.data(), control.caption.size());
}

// The closed height of a combo box in dialog units, the height of an edit field.
constexpr int kComboRowHeight = 14;

wxWindow* Create(wxWindow* parent, const ControlTemplate& c, wxPoint pos, wxSize size) {
  const int id = WxId(c.id);
  switch (c.kind) {
  case ControlKind::PushButton: {
    auto* button = new wxButton(parent, id, Caption(c), pos, size);
    if (c.style & kDefaultButton)
      button->SetDefault();
    return button;
  }
  case ControlKind::CheckBox:
    return new wxCheckBox(parent, id, Caption(c), pos, size, wxCHK_2STATE);
  case ControlKind::Edit:
    return new wxTextCtrl(parent, id, wxString(), pos, size);
  case ControlKind::ComboBox:
    // The template height includes the open list; the closed box keeps its
    // natural one-line height.
    return new wxComboBox(parent, id, wxString(), pos, wxSize(size.x, -1), 0, nullptr,
                          ComboStyle(c.style));
  case ControlKind::Static: {
    // Texts set later (progress, file name, register data) keep the template's
    // rectangle instead of resizing the label.
    long style = wxST_NO_AUTORESIZE;
    if (c.style & kSunken)
      style |= wxBORDER_SUNKEN;
    auto* label = new wxStaticText(parent, id, wxString(), pos, size, style);
    label->SetLabelText(Caption(c));
    return label;
  }
  case ControlKind::GroupBox:
    return new wxStaticBox(parent, id, Caption(c), pos, size);
  case ControlKind::Progress:
    return new wxGauge(parent, id, 100, pos, size, wxGA_HORIZONTAL | wxGA_SMOOTH);
  }
  return nullptr;
}

// Where the toolkit's controls need more height than the template gives
// (combo boxes, check boxes), they keep their natural height, centred on the
// line the template puts them on, so rows of mixed controls stay aligned.
void CentreOnRow(wxWindow* window, wxPoint pos, int rowHeight) {
  const int height = std::max(window->GetSize().y, window->GetBestSize().y);
  window->SetSize(pos.x, pos.y + (rowHeight - height) / 2, window->GetSize().x, height);
}

} // namespace

wxWindow* CreateControl(wxWindow* parent, const ControlTemplate& control) {
  const wxPoint pos = parent->ConvertDialogToPixels(wxPoint(control.x, control.y));
  const wxSize size = parent->ConvertDialogToPixels(wxSize(control.width, control.height));
  wxWindow* window = Create(parent, control, pos, size);
  if (control.kind == ControlKind::ComboBox)
    CentreOnRow(window, pos, parent->ConvertDialogToPixels(wxSize(0, kComboRowHeight)).y);
  else if (control.kind == ControlKind::CheckBox)
    CentreOnRow(window, pos, size.y);
  return window;
}

} // namespace dlg
