// One wx control for one row of a dialog template, placed in dialog units.
#pragma once

#include <wx/window.h>

#include "platform/dialog/dialog_template.hpp"

namespace dlg {

// The wx id of a template id: labels and group boxes (kStaticId) get their own.
int WxId(int templateId);

// The combo box style of a template style.
long ComboStyle(std::uint32_t style);

// Creates the control as a child of `parent`, whose font must already be the
// dialog's, so that dialog units convert with it.
wxWindow* CreateControl(wxWindow* parent, const ControlTemplate& control);

} // namespace dlg
