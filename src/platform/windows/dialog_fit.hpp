// Room for the dialog's texts on Windows. The template's dialog units follow
// the dialog font, so with the system's own dialog font every text fits as
// designed; a stand-in font of other proportions (as Wine's are) can make a
// label wrap or a caption clip. The host then spreads the layout out, one
// factor across and one down for all controls alike, until every text fits.
#pragma once

#include <span>

#include "platform/dialog/dialog_template.hpp"

namespace win {

struct PixelSize {
  int width;
  int height;
};

// The control's current text, measured in the control's own font.
PixelSize TextExtent(void* control);

// The room the control draws its text in: a combo box's item beside its
// button, a check box's text beside its box, a button's face inside its edge,
// an edit's inside its margins, a label's whole client area.
PixelSize TextRoom(void* control, dlg::ControlKind kind);

// Spreads the dialog's controls, which are its children in template order,
// and the dialog itself out until every text fits its room. Nothing moves when
// all fit already.
void FitToText(void* dialog, std::span<const dlg::ControlTemplate> controls);

} // namespace win
