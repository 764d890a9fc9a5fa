// The platform's device catalog: the system device enumerator of DirectShow,
// its monikers and filters, and each filter's kernel-streaming control
// interface, seen through the catalog and control-channel interfaces. COM
// must be initialised on the calling thread.
#pragma once

#include <memory>

#include "platform/ks/catalog.hpp"

namespace win {

std::unique_ptr<ks::DeviceCatalog> MakeDirectShowCatalog();

} // namespace win
