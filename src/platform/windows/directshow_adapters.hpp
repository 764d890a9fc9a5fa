// Adapters from the COM interfaces of DirectShow and kernel streaming to the
// catalog interfaces. Each adapter owns the one reference it was given and
// releases it when its own count drops to zero.
#pragma once

#include "platform/ks/catalog.hpp"
#include "platform/ks/unknown.hpp"
// Windows headers last (see windows_api.hpp).
#include "platform/windows/com_interfaces.hpp"

namespace win {

// Creates the system device enumerator in the given server contexts.
using DeviceEnumFactory = HRESULT (*)(DWORD context, ICreateDevEnum** enumerator);
HRESULT CreateSystemDeviceEnum(DWORD context, ICreateDevEnum** enumerator);

class DirectShowCatalog : public ks::DeviceCatalog {
public:
  explicit DirectShowCatalog(DeviceEnumFactory factory = CreateSystemDeviceEnum)
      : factory_(factory) {}
  ks::HResult CreateDeviceEnumerator(std::uint32_t context,
                                     ks::DeviceEnumerator** enumerator) override;

private:
  DeviceEnumFactory factory_;
};

// Each takes over the caller's reference.
ks::ComPtr<ks::DeviceEnumerator> AdoptDeviceEnumerator(ICreateDevEnum* enumerator);
ks::ComPtr<ks::EnumMoniker> AdoptEnumMoniker(IEnumMoniker* enumerator);
ks::ComPtr<ks::Moniker> AdoptMoniker(IMoniker* moniker);
ks::ComPtr<ks::Filter> AdoptFilter(IBaseFilter* filter);
ks::ComPtr<ks::KsControl> AdoptKsControl(KsControlInterface* control);

} // namespace win
