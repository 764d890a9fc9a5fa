#include "device/fake_catalog.hpp"

#include <cstring>

namespace fake {

namespace {

template <class Interface> class Counted : public ks::RefCounted<Interface> {
public:
  explicit Counted(LiveCount& live) : live_(live) { ++live_.objects; }
  ~Counted() override { --live_.objects; }

protected:
  LiveCount& live_;
};

class FakeFilter : public Counted<ks::Filter> {
public:
  FakeFilter(Catalog& catalog, bool hasControl)
      : Counted(catalog.live), catalog_(catalog), hasControl_(hasControl) {}
  ks::HResult QueryControl(ks::KsControl** control) override {
    *control = nullptr;
    if (!hasControl_)
      return ks::E_NOINTERFACE;
    auto* channel = new Channel(catalog_.live);
    channel->answer = catalog_.answer;
    catalog_.channels.push_back(channel);
    *control = channel;
    return ks::S_OK;
  }

private:
  Catalog& catalog_;
  bool hasControl_;
};

class FakeMoniker : public Counted<ks::Moniker> {
public:
  FakeMoniker(Catalog& catalog, const Entry& entry)
      : Counted(catalog.live), catalog_(catalog), entry_(entry) {}
  ks::HResult GetDisplayName(std::u16string* name) override {
    if (entry_.nameResult == ks::S_OK)
      *name = entry_.path;
    return entry_.nameResult;
  }
  ks::HResult BindToFilter(ks::Filter** filter) override {
    *filter = nullptr;
    if (entry_.bindResult != ks::S_OK)
      return entry_.bindResult;
    *filter = new FakeFilter(catalog_, entry_.hasControl);
    return ks::S_OK;
  }

private:
  Catalog& catalog_;
  Entry entry_;
};

class FakeEnumMoniker : public Counted<ks::EnumMoniker> {
public:
  explicit FakeEnumMoniker(Catalog& catalog) : Counted(catalog.live), catalog_(catalog) {}
  ks::HResult Next(ks::Moniker** moniker) override {
    *moniker = nullptr;
    if (next_ >= catalog_.entries.size())
      return ks::S_FALSE;
    ++catalog_.monikersVisited;
    *moniker = new FakeMoniker(catalog_, catalog_.entries[next_++]);
    return ks::S_OK;
  }

private:
  Catalog& catalog_;
  std::size_t next_ = 0;
};

class FakeDeviceEnumerator : public Counted<ks::DeviceEnumerator> {
public:
  explicit FakeDeviceEnumerator(Catalog& catalog) : Counted(catalog.live), catalog_(catalog) {}
  ks::HResult CreateClassEnumerator(const ks::Guid&, ks::EnumMoniker** enumerator,
                                    std::uint32_t) override {
    *enumerator = nullptr;
    if (catalog_.classResult != ks::S_OK)
      return catalog_.classResult;
    *enumerator = new FakeEnumMoniker(catalog_);
    return ks::S_OK;
  }

private:
  Catalog& catalog_;
};

} // namespace

ks::HResult Channel::KsProperty(const void* property, std::uint32_t propertyLength, void* data,
                                std::uint32_t dataLength, std::uint32_t* bytesReturned) {
  const auto* p = static_cast<const std::uint8_t*>(property);
  auto* d = static_cast<std::uint8_t*>(data);
  calls.push_back({{p, p + propertyLength}, {d, d + dataLength}});
  if (answer)
    return answer(p, d, dataLength, bytesReturned);
  return ks::S_OK;
}

ks::HResult Catalog::CreateDeviceEnumerator(std::uint32_t context,
                                            ks::DeviceEnumerator** enumerator) {
  lastContext = context;
  *enumerator = nullptr;
  if (createResult != ks::S_OK)
    return createResult;
  *enumerator = new FakeDeviceEnumerator(*this);
  return ks::S_OK;
}

} // namespace fake
