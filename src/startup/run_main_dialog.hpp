// The console's life once the window system is up: the dialog, discovery,
// and either the modal dialog or the "No device found" message.
#pragma once

#include "platform/dialog/dialog_host.hpp"
#include "platform/ks/catalog.hpp"
#include "platform/ks/recorder.hpp"

// Returns once the dialog has closed (or was never shown) and the dialog
// object, with the control channel it holds, is gone.
void RunMainDialog(dlg::DialogHost& host, ks::DeviceCatalog& catalog, ks::Recorder& recorder);
