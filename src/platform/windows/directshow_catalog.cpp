#include "platform/windows/directshow_catalog.hpp"

#include "platform/windows/aligned_buffer.hpp"
#include "platform/windows/directshow_adapters.hpp"

namespace win {

namespace {

// Holds one COM reference for the lifetime of the adapter.
template <class Com> class Held {
public:
  explicit Held(Com* com) : com_(com) {}
  ~Held() { com_->Release(); }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  Com* operator->() const { return com_; }

private:
  Com* com_;
};

// Drops a reference that an out-parameter carried on a failed call.
template <class Com> void ReleaseStray(Com*& com) {
  if (com) {
    com->Release();
    com = nullptr;
  }
}

template <class Out, class In> void Hand(ks::ComPtr<In> adapter, Out** out) {
  *out = adapter.Detach();
}

class FilterAdapter : public ks::RefCounted<ks::Filter> {
public:
  explicit FilterAdapter(IBaseFilter* filter) : filter_(filter) {}
  ks::HResult QueryControl(ks::KsControl** control) override {
    *control = nullptr;
    void* raw = nullptr;
    const HRESULT hr = filter_->QueryInterface(kKsControlInterface, &raw);
    auto* channel = static_cast<KsControlInterface*>(raw);
    if (FAILED(hr)) {
      ReleaseStray(channel);
      return hr;
    }
    if (!channel)
      return E_NOINTERFACE;
    Hand(AdoptKsControl(channel), control);
    return hr;
  }

private:
  Held<IBaseFilter> filter_;
};

class MonikerAdapter : public ks::RefCounted<ks::Moniker> {
public:
  explicit MonikerAdapter(IMoniker* moniker) : moniker_(moniker) {}

  ks::HResult GetDisplayName(std::u16string* name) override {
    LPOLESTR text = nullptr;
    const HRESULT hr = moniker_->GetDisplayName(nullptr, nullptr, &text);
    if (SUCCEEDED(hr) && text)
      name->assign(reinterpret_cast<const char16_t*>(text));
    // The name belongs to the caller in every outcome.
    CoTaskMemFree(text);
    return hr;
  }

  ks::HResult BindToFilter(ks::Filter** filter) override {
    *filter = nullptr;
    void* raw = nullptr;
    const HRESULT hr = moniker_->BindToObject(nullptr, nullptr, kBaseFilterInterface, &raw);
    auto* base = static_cast<IBaseFilter*>(raw);
    if (FAILED(hr)) {
      ReleaseStray(base);
      return hr;
    }
    if (!base)
      return E_NOINTERFACE;
    Hand(AdoptFilter(base), filter);
    return hr;
  }

private:
  Held<IMoniker> moniker_;
};

class EnumMonikerAdapter : public ks::RefCounted<ks::EnumMoniker> {
public:
  explicit EnumMonikerAdapter(IEnumMoniker* enumerator) : enumerator_(enumerator) {}

  ks::HResult Next(ks::Moniker** moniker) override {
    *moniker = nullptr;
    IMoniker* raw = nullptr;
    const HRESULT hr = enumerator_->Next(1, &raw, nullptr);
    if (hr != S_OK || !raw) {
      ReleaseStray(raw);
      return hr == S_OK ? S_FALSE : hr;
    }
    Hand(AdoptMoniker(raw), moniker);
    return hr;
  }

private:
  Held<IEnumMoniker> enumerator_;
};

class DeviceEnumeratorAdapter : public ks::RefCounted<ks::DeviceEnumerator> {
public:
  explicit DeviceEnumeratorAdapter(ICreateDevEnum* enumerator) : enumerator_(enumerator) {}

  ks::HResult CreateClassEnumerator(const ks::Guid& category, ks::EnumMoniker** enumerator,
                                    std::uint32_t flags) override {
    *enumerator = nullptr;
    IEnumMoniker* raw = nullptr;
    const HRESULT hr = enumerator_->CreateClassEnumerator(ToGuid(category), &raw, flags);
    // S_FALSE: the category is empty and no enumerator comes back.
    if (hr != S_OK || !raw) {
      ReleaseStray(raw);
      return hr == S_OK ? S_FALSE : hr;
    }
    Hand(AdoptEnumMoniker(raw), enumerator);
    return hr;
  }

private:
  Held<ICreateDevEnum> enumerator_;
};

class KsControlAdapter : public ks::RefCounted<ks::KsControl> {
public:
  explicit KsControlAdapter(KsControlInterface* control) : control_(control) {}

  ks::HResult KsProperty(const void* property, std::uint32_t propertyLength, void* data,
                         std::uint32_t dataLength, std::uint32_t* bytesReturned) override {
    ULONG returned = 0;
    // The driver reads the record only; the interface is declared without const.
    AlignedBuffer record(const_cast<void*>(property), propertyLength);
    AlignedBuffer buffer(data, dataLength);
    const HRESULT hr =
        control_->KsProperty(record.data(), propertyLength, buffer.data(), dataLength, &returned);
    buffer.CopyBack();
    if (bytesReturned)
      *bytesReturned = returned;
    return hr;
  }

private:
  Held<KsControlInterface> control_;
};

} // namespace

HRESULT CreateSystemDeviceEnum(DWORD context, ICreateDevEnum** enumerator) {
  return CoCreateInstance(kSystemDeviceEnumClass, nullptr, context, kCreateDevEnumInterface,
                          reinterpret_cast<void**>(enumerator));
}

ks::HResult DirectShowCatalog::CreateDeviceEnumerator(std::uint32_t context,
                                                      ks::DeviceEnumerator** enumerator) {
  *enumerator = nullptr;
  ICreateDevEnum* raw = nullptr;
  const HRESULT hr = factory_(context, &raw);
  if (FAILED(hr) || !raw) {
    ReleaseStray(raw);
    return FAILED(hr) ? hr : E_NOINTERFACE;
  }
  Hand(AdoptDeviceEnumerator(raw), enumerator);
  return hr;
}

ks::ComPtr<ks::DeviceEnumerator> AdoptDeviceEnumerator(ICreateDevEnum* enumerator) {
  return ks::ComPtr<ks::DeviceEnumerator>::Attach(new DeviceEnumeratorAdapter(enumerator));
}
ks::ComPtr<ks::EnumMoniker> AdoptEnumMoniker(IEnumMoniker* enumerator) {
  return ks::ComPtr<ks::EnumMoniker>::Attach(new EnumMonikerAdapter(enumerator));
}
ks::ComPtr<ks::Moniker> AdoptMoniker(IMoniker* moniker) {
  return ks::ComPtr<ks::Moniker>::Attach(new MonikerAdapter(moniker));
}
ks::ComPtr<ks::Filter> AdoptFilter(IBaseFilter* filter) {
  return ks::ComPtr<ks::Filter>::Attach(new FilterAdapter(filter));
}
ks::ComPtr<ks::KsControl> AdoptKsControl(KsControlInterface* control) {
  return ks::ComPtr<ks::KsControl>::Attach(new KsControlAdapter(control));
}

std::unique_ptr<ks::DeviceCatalog> MakeDirectShowCatalog() {
  return std::make_unique<DirectShowCatalog>();
}

} // namespace win
