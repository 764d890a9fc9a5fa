// The file dialog of the raw byte loaders: every file listed, no extension.
#pragma once

#include "platform/dialog/dialog_host.hpp"

namespace loaders {

inline dlg::FileDialogOptions RawFileDialog() {
  return dlg::FileDialogOptions{"", "", dlg::OFN_HIDEREADONLY | dlg::OFN_OVERWRITEPROMPT};
}

} // namespace loaders
