#include "platform/wx/dialog_scale.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include <wx/control.h>
#include <wx/textentry.h>

namespace dlg {

namespace {

// The closed height of a combo box in dialog units, the height of an edit field.
constexpr int kComboRowHeight = 14;

int Edge(int units, double scale) {
  return static_cast<int>(std::lround(units * scale));
}

wxString ShownText(wxWindow& window) {
  if (auto* entry = dynamic_cast<wxTextEntry*>(&window))
    return entry->GetValue();
  if (auto* control = dynamic_cast<wxControl*>(&window))
    return control->GetLabelText();
  return window.GetLabel();
}

} // namespace

wxRect DialogScale::Rect(int left, int top, int width, int height) const {
  const int x0 = Edge(left, x);
  const int y0 = Edge(top, y);
  return wxRect(x0, y0, Edge(left + width, x) - x0, Edge(top + height, y) - y0);
}

DialogScale FontScale(const wxWindow& window) {
  // Many units at once, so that the font's fractional conversion is kept.
  constexpr int kUnits = 800;
  const wxSize pixels = window.ConvertDialogToPixels(wxSize(kUnits, kUnits));
  return {static_cast<double>(pixels.x) / kUnits, static_cast<double>(pixels.y) / kUnits};
}

int RowHeight(const ControlTemplate& control) {
  return control.kind == ControlKind::ComboBox ? kComboRowHeight : control.height;
}

wxSize NeededSize(wxWindow& window, const ControlTemplate& control) {
  const wxString text = ShownText(window);
  const wxSize extent = window.GetTextExtent(text);
  const int line = std::max(extent.y, window.GetCharHeight());
  switch (control.kind) {
  case ControlKind::PushButton:
    return {window.GetBestSize().x, line};
  case ControlKind::CheckBox:
    return {window.GetBestSize().x, line};
  case ControlKind::Edit:
  case ControlKind::ComboBox:
    return {static_cast<wxControl&>(window).GetSizeFromTextSize(extent.x).x, line};
  case ControlKind::Static:
    if (control.style & kSunken)
      return {extent.x + 2 * kSunkenTextInset, line};
    return {extent.x, line};
  case ControlKind::GroupBox:
    return {extent.x, line};
  case ControlKind::Progress:
    break;
  }
  return {0, 0};
}

namespace {

// Dialog units from `start`, `units` long, that must be at least `pixels`.
struct Span {
  int start;
  int units;
  int pixels;
};

// The smallest scale from `base` up at which every span, rounded at its edges
// as DialogScale::Rect rounds them, has the pixels it needs.
double FitAxis(double base, const std::vector<Span>& spans) {
  double scale = base;
  for (const auto& span : spans)
    scale = std::max(scale, static_cast<double>(span.pixels) / span.units);
  const auto fits = [&] {
    return std::all_of(spans.begin(), spans.end(), [&](const Span& span) {
      return Edge(span.start + span.units, scale) - Edge(span.start, scale) >= span.pixels;
    });
  };
  // Rounding takes at most one pixel from a span: a few steps always do.
  constexpr double kStep = 1.0 / 64;
  while (!fits())
    scale += kStep;
  return scale;
}

} // namespace

DialogScale FitScale(DialogScale base, std::span<const BuiltControl> controls) {
  std::vector<Span> across;
  std::vector<Span> down;
  for (const auto& [control, window] : controls) {
    const wxSize needed = NeededSize(*window, *control);
    if (control->width > 0)
      across.push_back({control->x, control->width, needed.x});
    if (RowHeight(*control) > 0)
      down.push_back({control->y, RowHeight(*control), needed.y});
  }
  return {FitAxis(base.x, across), FitAxis(base.y, down)};
}

} // namespace dlg
