// COM declarations the device path needs beyond the system headers: the
// kernel-streaming control interface and the fixed class and interface ids.
#pragma once

#include "platform/ks/guid.hpp"
#include "platform/windows/windows_api.hpp"

namespace win {

// The filter's kernel-streaming control interface, in its vtable order.
struct KsControlInterface : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE KsProperty(void* property, ULONG propertyLength, void* data,
                                               ULONG dataLength, ULONG* bytesReturned) = 0;
  virtual HRESULT STDMETHODCALLTYPE KsMethod(void* method, ULONG methodLength, void* data,
                                             ULONG dataLength, ULONG* bytesReturned) = 0;
  virtual HRESULT STDMETHODCALLTYPE KsEvent(void* event, ULONG eventLength, void* data,
                                            ULONG dataLength, ULONG* bytesReturned) = 0;
};

GUID ToGuid(const ks::Guid& guid);

// CLSID_SystemDeviceEnum, IID_ICreateDevEnum, IID_IBaseFilter, IID_IKsControl.
extern const GUID kSystemDeviceEnumClass;
extern const GUID kCreateDevEnumInterface;
extern const GUID kBaseFilterInterface;
extern const GUID kKsControlInterface;

} // namespace win
