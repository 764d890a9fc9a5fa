// One wx control for one row of a dialog template, placed in dialog units.
#pragma once

#include <wx/window.h>

#include "platform/dialog/dialog_template.hpp"
#include "platform/wx/dialog_scale.hpp"

namespace dlg {

// The wx id of a template id: labels and group boxes (kStaticId) get their own.
int WxId(int templateId);

// The combo box style of a template style.
long ComboStyle(std::uint32_t style);

// Creates the control as a child of `parent`, at its natural size until it
// is placed: the toolkit measures it from there.
wxWindow* CreateControl(wxWindow* parent, const ControlTemplate& control);

// Moves and sizes the control to its template rectangle at `scale`; a combo
// box takes its closed row, its open list is the toolkit's, and a check box
// is never shorter than the toolkit draws one.
void PlaceControl(wxWindow& window, const ControlTemplate& control, DialogScale scale);

} // namespace dlg
