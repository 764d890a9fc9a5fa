// A catalog holding one matching device whose control channel is the one
// given: lets a test put a decorator between the console and the board.
#pragma once

#include "device/requests.hpp"
#include "platform/ks/catalog.hpp"

namespace support {

class ChannelCatalog : public ks::DeviceCatalog {
public:
  explicit ChannelCatalog(ks::KsControl* channel) : channel_(channel) {}

  ks::HResult CreateDeviceEnumerator(std::uint32_t, ks::DeviceEnumerator** out) override {
    *out = new Enumerator(channel_);
    return ks::S_OK;
  }

  // The board's own channel, bound through a catalog as the console binds it.
  static ks::ComPtr<ks::KsControl> Bind(ks::DeviceCatalog& catalog) {
    ks::DeviceEnumerator* enumerator = nullptr;
    catalog.CreateDeviceEnumerator(0x17, &enumerator);
    const auto e = ks::ComPtr<ks::DeviceEnumerator>::Attach(enumerator);
    ks::EnumMoniker* monikers = nullptr;
    e->CreateClassEnumerator(VeltaDeviceCategory, &monikers, 0);
    const auto m = ks::ComPtr<ks::EnumMoniker>::Attach(monikers);
    ks::Moniker* moniker = nullptr;
    m->Next(&moniker);
    const auto mk = ks::ComPtr<ks::Moniker>::Attach(moniker);
    ks::Filter* filter = nullptr;
    mk->BindToFilter(&filter);
    const auto f = ks::ComPtr<ks::Filter>::Attach(filter);
    ks::KsControl* control = nullptr;
    f->QueryControl(&control);
    return ks::ComPtr<ks::KsControl>::Attach(control);
  }

private:
  class FilterImpl : public ks::RefCounted<ks::Filter> {
  public:
    explicit FilterImpl(ks::KsControl* c) : c_(c) {}
    ks::HResult QueryControl(ks::KsControl** out) override {
      c_->AddRef();
      *out = c_;
      return ks::S_OK;
    }
    ks::KsControl* c_;
  };
  class MonikerImpl : public ks::RefCounted<ks::Moniker> {
  public:
    explicit MonikerImpl(ks::KsControl* c) : c_(c) {}
    ks::HResult GetDisplayName(std::u16string* name) override {
      *name = u"usb#vid_ffff&pid_3430#test";
      return ks::S_OK;
    }
    ks::HResult BindToFilter(ks::Filter** out) override {
      *out = new FilterImpl(c_);
      return ks::S_OK;
    }
    ks::KsControl* c_;
  };
  class Monikers : public ks::RefCounted<ks::EnumMoniker> {
  public:
    explicit Monikers(ks::KsControl* c) : c_(c) {}
    ks::HResult Next(ks::Moniker** out) override {
      *out = nullptr;
      if (done_)
        return ks::S_FALSE;
      done_ = true;
      *out = new MonikerImpl(c_);
      return ks::S_OK;
    }
    ks::KsControl* c_;
    bool done_ = false;
  };
  class Enumerator : public ks::RefCounted<ks::DeviceEnumerator> {
  public:
    explicit Enumerator(ks::KsControl* c) : c_(c) {}
    ks::HResult CreateClassEnumerator(const ks::Guid&, ks::EnumMoniker** out,
                                      std::uint32_t) override {
      *out = new Monikers(c_);
      return ks::S_OK;
    }
    ks::KsControl* c_;
  };

  ks::KsControl* channel_;
};

} // namespace support
