// The device catalog: a category of filters walked through monikers, each of
// which names a device path and binds to a filter that may offer a control
// channel. Every object handed out carries one reference for the receiver.
#pragma once

#include <string>

#include "platform/ks/guid.hpp"
#include "platform/ks/hresult.hpp"
#include "platform/ks/ks_property.hpp"
#include "platform/ks/unknown.hpp"

namespace ks {

class Filter : public Unknown {
public:
  // The filter's control interface; E_NOINTERFACE when it has none.
  virtual HResult QueryControl(KsControl** control) = 0;
};

class Moniker : public Unknown {
public:
  // The moniker's display name (the device path), as wide characters.
  virtual HResult GetDisplayName(std::u16string* name) = 0;
  virtual HResult BindToFilter(Filter** filter) = 0;
};

class EnumMoniker : public Unknown {
public:
  // S_OK with one moniker, S_FALSE at the end of the list, or an error.
  virtual HResult Next(Moniker** moniker) = 0;
};

class DeviceEnumerator : public Unknown {
public:
  // S_OK with an enumerator, S_FALSE (and none) for an empty category, or an error.
  virtual HResult CreateClassEnumerator(const Guid& category, EnumMoniker** enumerator,
                                        std::uint32_t flags) = 0;
};

// Where the system device enumerator comes from: the platform's own, the
// simulated board's, or a test's.
class DeviceCatalog {
public:
  virtual ~DeviceCatalog() = default;
  // Creates the system device enumerator in the given server contexts.
  virtual HResult CreateDeviceEnumerator(std::uint32_t context, DeviceEnumerator** enumerator) = 0;
};

} // namespace ks
