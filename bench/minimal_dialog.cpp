// The start-up baseline: a plain wx dialog with as many controls of the same
// kinds and places as the console's template, no list entries, no device.
#include <wx/wx.h>

#include <wx/gauge.h>

#include "ui/dialog_template.hpp"

namespace {

wxWindow* CreatePlain(wxWindow* parent, const dlg::ControlTemplate& c) {
  const wxPoint pos = parent->ConvertDialogToPixels(wxPoint(c.x, c.y));
  const wxSize size = parent->ConvertDialogToPixels(wxSize(c.width, c.height));
  const wxString caption = wxString::FromUTF8(c.caption.data(), c.caption.size());
  switch (c.kind) {
  case dlg::ControlKind::PushButton:
    return new wxButton(parent, wxID_ANY, caption, pos, size);
  case dlg::ControlKind::CheckBox:
    return new wxCheckBox(parent, wxID_ANY, caption, pos, size);
  case dlg::ControlKind::Edit:
    return new wxTextCtrl(parent, wxID_ANY, caption, pos, size);
  case dlg::ControlKind::ComboBox:
    return new wxComboBox(parent, wxID_ANY, "", pos, wxSize(size.x, wxDefaultCoord));
  case dlg::ControlKind::Static:
    return new wxStaticText(parent, wxID_ANY, caption, pos, size);
  case dlg::ControlKind::GroupBox:
    return new wxStaticBox(parent, wxID_ANY, caption, pos, size);
  case dlg::ControlKind::Progress:
    return new wxGauge(parent, wxID_ANY, 100, pos, size);
  }
  return nullptr;
}

class MinimalApp : public wxApp {
public:
  bool OnInit() override {
    const auto& t = kVeltaEditorTemplate;
    wxDialog dialog(nullptr, wxID_ANY, "Velta Baseline");
    dialog.SetFont(
        wxFont(t.pointSize, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
    dialog.SetClientSize(dialog.ConvertDialogToPixels(wxSize(t.width, t.height)));
    for (const auto& control : t.controls)
      CreatePlain(&dialog, control);
    dialog.ShowModal();
    return false;
  }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(MinimalApp);

int main(int argc, char** argv) {
  return wxEntry(argc, argv);
}
