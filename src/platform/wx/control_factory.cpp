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

} // namespace

wxWindow* CreateControl(wxWindow* parent, const ControlTemplate& c) {
  const int id = WxId(c.id);
  // Natural size and no place yet: PlaceControl places it once the whole
  // dialog is measured.
  const wxPoint pos = wxDefaultPosition;
  const wxSize size = wxDefaultSize;
  switch (c.kind) {
  case ControlKind::PushButton: {
    // Exact fit: the best size is what the caption needs, not a stock width.
    auto* button = new wxButton(parent, id, Caption(c), pos, size, wxBU_EXACTFIT);
    if (c.style & kDefaultButton)
      button->SetDefault();
    return button;
  }
  case ControlKind::CheckBox:
    return new wxCheckBox(parent, id, Caption(c), pos, size, wxCHK_2STATE);
  case ControlKind::Edit:
    return new wxTextCtrl(parent, id, wxString(), pos, size);
  case ControlKind::ComboBox:
    return new wxComboBox(parent, id, wxString(), pos, size, 0, nullptr, ComboStyle(c.style));
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

void PlaceControl(wxWindow& window, const ControlTemplate& control, DialogScale scale) {
  wxRect rect = scale.Rect(control.x, control.y, control.width, RowHeight(control));
  // The toolkit's check box is taller than the classic one and clips its
  // indicator when squeezed: it takes its own height, down from its line, as
  // the template leaves room below every box.
  if (control.kind == ControlKind::CheckBox)
    rect.height = std::max(rect.height, window.GetBestSize().y);
  // A sunken label's text sits inside the field the host paints, clear of its
  // edge and on its middle line, as in an edit field.
  if (control.kind == ControlKind::Static && (control.style & kSunken))
    rect.Deflate(kSunkenTextInset, std::max(0, (rect.height - window.GetCharHeight()) / 2));
  window.SetSize(rect);
}

} // namespace dlg
