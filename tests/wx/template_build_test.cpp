// The window is the template: every row becomes one control of its kind, id,
// caption, style and rectangle in dialog units, in template (tab) order.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/wx/control_factory.hpp"
#include "platform/wx/wx_host.hpp"
#include "ui/dialog_template.hpp"

namespace {

using dlg::ControlKind;

bool IsKind(wxWindow* window, ControlKind kind) {
  switch (kind) {
  case ControlKind::PushButton:
    return dynamic_cast<wxButton*>(window) != nullptr;
  case ControlKind::CheckBox:
    return dynamic_cast<wxCheckBox*>(window) != nullptr;
  case ControlKind::Edit:
    return dynamic_cast<wxTextCtrl*>(window) != nullptr;
  case ControlKind::ComboBox:
    return dynamic_cast<wxComboBox*>(window) != nullptr;
  case ControlKind::Static:
    return dynamic_cast<wxStaticText*>(window) != nullptr;
  case ControlKind::GroupBox:
    return dynamic_cast<wxStaticBox*>(window) != nullptr;
  case ControlKind::Progress:
    return dynamic_cast<wxGauge*>(window) != nullptr;
  }
  return false;
}

std::string Caption(wxWindow* window) {
  if (auto* label = dynamic_cast<wxStaticText*>(window))
    return std::string(label->GetLabelText().utf8_str());
  if (auto* edit = dynamic_cast<wxTextCtrl*>(window))
    return std::string(edit->GetValue().utf8_str());
  if (auto* combo = dynamic_cast<wxComboBox*>(window))
    return std::string(combo->GetValue().utf8_str());
  return std::string(window->GetLabel().utf8_str());
}

class TemplateBuildTest : public ::testing::Test {
protected:
  // A plain dialog on the console's template: the window as built, before any
  // initialisation changes it.
  void SetUp() override { window = host.Create(dialog); }

  dlg::WxHost host;
  CDialog dialog{kVeltaEditorTemplate, host};
  wxDialog* window = nullptr;
};

TEST_F(TemplateBuildTest, DialogHasTheTemplateTitleFontSizeAndCaptionOnlyFrame) {
  EXPECT_EQ(window->GetTitle(), "Velta Editor");
  EXPECT_EQ(window->GetFont().GetPointSize(), 8);
  EXPECT_EQ(window->GetClientSize(), host.Scale().Size(321, 524));
  EXPECT_TRUE(window->HasFlag(wxCAPTION));
  EXPECT_FALSE(window->HasFlag(wxSYSTEM_MENU));
  EXPECT_FALSE(window->HasFlag(wxCLOSE_BOX));
  EXPECT_EQ(window->GetAffirmativeId(), dlg::IDOK);
  EXPECT_EQ(window->GetEscapeId(), dlg::IDCANCEL);
}

TEST_F(TemplateBuildTest, EveryRowIsOneControlInTemplateOrder) {
  const auto& rows = kVeltaEditorTemplate.controls;
  const wxWindowList& children = window->GetChildren();
  ASSERT_EQ(children.size(), rows.size());
  auto child = children.begin();
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "control " << row.id << " '" << row.caption << "'");
    wxWindow* control = *child++;
    EXPECT_TRUE(IsKind(control, row.kind));
    if (row.id == dlg::kStaticId) {
      EXPECT_LT(control->GetId(), 0); // an id of its own, never a template id
    } else {
      EXPECT_EQ(control->GetId(), row.id);
      EXPECT_EQ(host.Control(row.id), control);
    }
    EXPECT_EQ(Caption(control), row.caption);
    // A combo box's template height includes its open list; closed, it takes
    // an edit field's 14 units.
    const int height = row.kind == ControlKind::ComboBox ? 14 : row.height;
    wxRect expected = host.Scale().Rect(row.x, row.y, row.width, height);
    if (row.kind == ControlKind::CheckBox) // never shorter than the toolkit draws one
      expected.height = std::max(expected.height, control->GetBestSize().y);
    if (row.style & dlg::kSunken) // its text inside the field the host paints
      EXPECT_TRUE(expected.Contains(control->GetRect()));
    else
      EXPECT_EQ(control->GetRect(), expected);
  }
}

TEST_F(TemplateBuildTest, StylesFollowTheTemplate) {
  for (const auto& row : kVeltaEditorTemplate.controls) {
    if (row.id == dlg::kStaticId)
      continue;
    SCOPED_TRACE(testing::Message() << "control " << row.id);
    wxWindow* control = host.Control(row.id);
    if (row.kind == ControlKind::ComboBox) {
      EXPECT_EQ(control->HasFlag(wxCB_READONLY), (row.style & dlg::kDropDownList) != 0);
      EXPECT_EQ(control->HasFlag(wxCB_SORT), (row.style & dlg::kSorted) != 0);
    }
    if (row.kind == ControlKind::Static) {
      EXPECT_EQ(control->HasFlag(wxBORDER_SUNKEN), (row.style & dlg::kSunken) != 0);
    }
    if (row.kind == ControlKind::PushButton) {
      EXPECT_EQ(window->GetDefaultItem() == control, (row.style & dlg::kDefaultButton) != 0);
    }
  }
}

TEST(TemplateStyle, ComboStylesAreTheTemplateKinds) {
  const struct {
    std::uint32_t style;
    long expected;
  } cases[] = {
      {dlg::kDropDown | dlg::kSorted, wxCB_DROPDOWN | wxCB_SORT},
      {dlg::kDropDown, wxCB_DROPDOWN},
      {dlg::kDropDownList | dlg::kSorted, wxCB_READONLY | wxCB_SORT},
      {dlg::kDropDownList, wxCB_READONLY},
  };
  for (const auto& c : cases)
    EXPECT_EQ(dlg::ComboStyle(c.style), c.expected) << c.style;
}

TEST(DialogScale, EdgesRoundSoNeighboursMeet) {
  const dlg::DialogScale scale{1.75, 1.625};
  const struct {
    int x, y, width, height;
    wxRect expected;
  } cases[] = {
      {7, 27, 40, 14, wxRect(12, 44, 70, 23)},
      {47, 41, 40, 14, wxRect(82, 67, 70, 22)}, // starts where the first ends
      {0, 0, 321, 524, wxRect(0, 0, 562, 852)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(scale.Rect(c.x, c.y, c.width, c.height), c.expected) << c.x << "," << c.y;
}

} // namespace
