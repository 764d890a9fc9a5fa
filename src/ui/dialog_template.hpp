// Dialog template 102: every control of the console in template (tab) order.
#pragma once

#include "platform/dialog/dialog_template.hpp"

extern const dlg::DialogTemplate kVeltaEditorTemplate;
