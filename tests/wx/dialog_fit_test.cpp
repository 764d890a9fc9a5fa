// The console's dialog as it opens reads whole: every control's text fits
// inside it in the control's own font, as the toolkit needs it drawn (a
// button's padding, a combo box's button, a check box's indicator), no two
// controls other than a group box and its contents overlap, and the window
// fits a 1280x1024 screen.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/renderer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <memory>

#include "platform/wx/wx_host.hpp"
#include "sim/simulator.hpp"
#include "ui/dialog_template.hpp"
#include "ui/velta_editor_dlg.hpp"

namespace {

using dlg::ControlKind;

wxString Text(wxWindow* control) {
  if (auto* label = dynamic_cast<wxStaticText*>(control))
    return label->GetLabelText();
  if (auto* edit = dynamic_cast<wxTextCtrl*>(control))
    return edit->GetValue();
  if (auto* combo = dynamic_cast<wxComboBox*>(control))
    return combo->GetValue();
  return wxControl::RemoveMnemonics(control->GetLabel());
}

// A control of the same kind showing the same text in the same font, as wide
// and as tall as the toolkit draws it whole. A separate control, so that the
// dialog's own controls are measured without being touched.
std::unique_ptr<wxControl> Probe(wxWindow* parent, ControlKind kind, const wxString& text) {
  switch (kind) {
  case ControlKind::PushButton:
    return std::make_unique<wxButton>(parent, wxID_ANY, text, wxDefaultPosition, wxDefaultSize,
                                      wxBU_EXACTFIT);
  case ControlKind::CheckBox:
    return std::make_unique<wxCheckBox>(parent, wxID_ANY, text);
  case ControlKind::ComboBox:
    return std::make_unique<wxComboBox>(parent, wxID_ANY, text);
  case ControlKind::Edit:
    return std::make_unique<wxTextCtrl>(parent, wxID_ANY, text);
  default:
    return nullptr;
  }
}

// The width and height the control's text needs: the text extent in the
// control's font, plus what the toolkit draws around it across; down, the
// text itself (and a check box's indicator), as the toolkit's controls draw
// their text centred in whatever height they are given.
wxSize Needed(wxWindow* control, ControlKind kind) {
  const wxString text = Text(control);
  const wxSize extent = control->GetTextExtent(text.empty() ? wxString("0") : text);
  wxSize needed = extent;
  auto probe = Probe(control->GetParent(), kind, text);
  if (!probe)
    return needed;
  probe->SetFont(control->GetFont());
  probe->Hide();
  if (kind == ControlKind::PushButton || kind == ControlKind::CheckBox)
    needed.x = probe->GetBestSize().x;
  else
    needed.x = probe->GetSizeFromTextSize(extent.x).x;
  if (kind == ControlKind::CheckBox)
    needed.y = std::max(needed.y, wxRendererNative::Get().GetCheckBoxSize(control).y);
  return needed;
}

std::string Describe(const dlg::ControlTemplate& row) {
  return "control " + std::to_string(row.id) + " '" + std::string(row.caption) + "'";
}

class DialogFitTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.FindDevice());
    window = host.Create(dialog);
    // The controls in template order, paired with their rows.
    const wxWindowList& children = window->GetChildren();
    ASSERT_EQ(children.size(), kVeltaEditorTemplate.controls.size());
    auto child = children.begin();
    for (const auto& row : kVeltaEditorTemplate.controls)
      controls.emplace_back(&row, *child++);
  }

  sim::Simulator simulator{{}, sim::TimeMode::Virtual};
  ks::Recorder recorder{simulator.clock()};
  dlg::WxHost host;
  CVeltaEditorDlg dialog{host, simulator.catalog(), recorder};
  wxDialog* window = nullptr;
  std::vector<std::pair<const dlg::ControlTemplate*, wxWindow*>> controls;
};

TEST_F(DialogFitTest, EveryTextFitsItsControl) {
  for (const auto& [row, control] : controls) {
    if (row->kind == ControlKind::Progress)
      continue;
    const wxSize needed = Needed(control, row->kind);
    const wxSize client = control->GetClientSize();
    EXPECT_TRUE(needed.x <= client.x && needed.y <= client.y)
        << Describe(*row) << " showing '" << Text(control).utf8_str() << "' needs " << needed.x
        << "x" << needed.y << " px, has " << client.x << "x" << client.y;
  }
}

TEST_F(DialogFitTest, NoTwoControlsOverlapOutsideGroupBoxes) {
  for (auto a = controls.begin(); a != controls.end(); ++a) {
    if (a->first->kind == ControlKind::GroupBox)
      continue;
    for (auto b = std::next(a); b != controls.end(); ++b) {
      if (b->first->kind == ControlKind::GroupBox)
        continue;
      const wxRect ra = a->second->GetRect();
      const wxRect rb = b->second->GetRect();
      EXPECT_FALSE(ra.Intersects(rb))
          << Describe(*a->first) << " at " << ra.x << "," << ra.y << " " << ra.width << "x"
          << ra.height << " overlaps " << Describe(*b->first) << " at " << rb.x << "," << rb.y
          << " " << rb.width << "x" << rb.height;
    }
  }
}

TEST_F(DialogFitTest, WindowFitsTheScreen) {
  const wxSize size = window->GetSize();
  EXPECT_LE(size.x, 1280);
  EXPECT_LE(size.y, 1024);
}

} // namespace
