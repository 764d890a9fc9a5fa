// How the wx host turns the template's dialog units into pixels. The
// toolkit's controls need more room than the classic ones they stand for, so
// the host starts from the font's conversion and widens it, for the whole
// dialog alike, until every control shows its text whole.
#pragma once

#include <span>

#include <wx/gdicmn.h>
#include <wx/window.h>

#include "platform/dialog/dialog_template.hpp"

namespace dlg {

struct DialogScale {
  double x; // pixels per dialog unit across
  double y; // pixels per dialog unit down

  // Edges are rounded, not sizes, so controls that meet in the template meet
  // on screen and never overlap.
  wxRect Rect(int left, int top, int width, int height) const;
  wxSize Size(int width, int height) const { return Rect(0, 0, width, height).GetSize(); }
};

// How far a sunken label's text keeps from its field's edge, in pixels: the
// host paints the field in the template rectangle and places the label
// inside it.
constexpr int kSunkenTextInset = 3;

// The conversion the window's font gives, as wx's dialog units.
DialogScale FontScale(const wxWindow& window);

// The height in dialog units a control's text is drawn in: a combo box's
// template height includes its open list, its closed box is an edit field's.
int RowHeight(const ControlTemplate& control);

// What the control needs to show its current text whole, in pixels: across,
// the toolkit's own width for it (padding, a combo box's button, a check
// box's indicator); down, the text's line, as the toolkit draws text centred
// in the height it is given.
wxSize NeededSize(wxWindow& window, const ControlTemplate& control);

struct BuiltControl {
  const ControlTemplate* control;
  wxWindow* window;
};

// The smallest scale, no smaller than `base` on either axis, at which every
// control's rectangle holds what it needs.
DialogScale FitScale(DialogScale base, std::span<const BuiltControl> controls);

} // namespace dlg
