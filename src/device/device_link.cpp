#include "device/device_link.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "device/requests.hpp"

namespace {

// Vendor 0xFFFF with the thirteen product ids, tested in this order.
constexpr std::array<const char16_t*, 13> kDeviceIds = {
    u"VID_FFFF&PID_3430", u"VID_FFFF&PID_343B", u"VID_FFFF&PID_3440", u"VID_FFFF&PID_343C",
    u"VID_FFFF&PID_3436", u"VID_FFFF&PID_3438", u"VID_FFFF&PID_3444", u"VID_FFFF&PID_3448",
    u"VID_FFFF&PID_3449", u"VID_FFFF&PID_344A", u"VID_FFFF&PID_344B", u"VID_FFFF&PID_344C",
    u"VID_FFFF&PID_344D",
};

// Any server context: in-process, in-process handler, local and remote server.
constexpr std::uint32_t kClsctxAll = 0x17;

} // namespace

bool MatchesDeviceId(const std::u16string& displayName) {
  std::u16string upper = displayName;
  for (auto& c : upper)
    if (c >= u'a' && c <= u'z')
      c = static_cast<char16_t>(c - u'a' + u'A');
  for (const char16_t* id : kDeviceIds)
    if (upper.find(id) != std::u16string::npos)
      return true;
  return false;
}

bool DeviceLink::FindDevice(ks::DeviceCatalog& catalog) {
  deviceReady_ = false;

  ks::DeviceEnumerator* rawEnumerator = nullptr;
  if (catalog.CreateDeviceEnumerator(kClsctxAll, &rawEnumerator) != ks::S_OK)
    return HasChannel();
  const auto deviceEnumerator = ks::ComPtr<ks::DeviceEnumerator>::Attach(rawEnumerator);

  ks::EnumMoniker* rawClass = nullptr;
  const ks::HResult hr = deviceEnumerator->CreateClassEnumerator(VeltaDeviceCategory, &rawClass, 0);
  const auto classEnumerator = ks::ComPtr<ks::EnumMoniker>::Attach(rawClass);
  if (hr != ks::S_OK || !classEnumerator)
    return HasChannel();

  for (;;) {
    ks::Moniker* rawMoniker = nullptr;
    if (classEnumerator->Next(&rawMoniker) != ks::S_OK) {
      ks::ComPtr<ks::Moniker>::Attach(rawMoniker);
      break;
    }
    auto moniker = ks::ComPtr<ks::Moniker>::Attach(rawMoniker);
    if (!moniker)
      continue;

    std::u16string name;
    if (moniker->GetDisplayName(&name) != ks::S_OK || !MatchesDeviceId(name))
      continue;

    ks::Filter* rawFilter = nullptr;
    const ks::HResult bound = moniker->BindToFilter(&rawFilter);
    moniker.Reset();
    const auto filter = ks::ComPtr<ks::Filter>::Attach(rawFilter);
    if (bound != ks::S_OK || !filter)
      continue;

    ks::KsControl* rawControl = nullptr;
    filter->QueryControl(&rawControl);
    channel_ = ks::ComPtr<ks::KsControl>::Attach(rawControl);
    if (recorder_ != nullptr)
      channel_ = recorder_->Wrap(std::move(channel_));
    if (channel_)
      break;
  }

  if (!channel_)
    return false;
  if (!ProbeSupport(DeviceRequestSet)) {
    channel_.Reset();
    return false;
  }
  deviceReady_ = ProbeSupport(FpgaRegisterSet);
  return true;
}

bool DeviceLink::ProbeSupport(const ks::Guid& set) {
  const auto record = ShortPropertyRecord(set, 0, ks::KSPROPERTY_TYPE_BASICSUPPORT);
  std::uint8_t access[4] = {};
  std::uint32_t returned = 0;
  const ks::HResult hr =
      channel_->KsProperty(record.data(), kShortPropertySize, access, sizeof access, &returned);
  if (ks::Failed(hr) || returned < 4)
    return false;
  const std::uint32_t flags = ks::GetU32(access);
  const std::uint32_t both = ks::KSPROPERTY_TYPE_GET | ks::KSPROPERTY_TYPE_SET;
  return (flags & both) == both;
}

ks::HResult DeviceLink::VendorRequest(std::uint32_t flags, std::uint16_t request,
                                      std::uint16_t index, void* data, std::int32_t count) {
  if (!channel_)
    return ks::E_FAIL;
  if (data == nullptr || count < 1)
    return ks::S_OK;
  const auto record = DeviceRequest(kDeviceVendorRequestId, flags, request, 0, index,
                                    static_cast<std::uint16_t>(count));
  std::uint32_t returned = 0;
  return channel_->KsProperty(record.data(), kRecordSize, data, static_cast<std::uint32_t>(count),
                              &returned);
}

ks::HResult DeviceLink::VendorGet(std::uint16_t request, std::uint16_t index, std::uint8_t* buffer,
                                  std::int32_t count) {
  if (buffer == nullptr || count < 1)
    return VendorRequest(ks::KSPROPERTY_TYPE_GET, request, index, buffer, count);
  std::vector<std::uint8_t> scratch(buffer, buffer + count);
  const ks::HResult hr =
      VendorRequest(ks::KSPROPERTY_TYPE_GET, request, index, scratch.data(), count);
  if (ks::Succeeded(hr))
    std::copy(scratch.begin(), scratch.end(), buffer);
  return hr;
}

ks::HResult DeviceLink::WriteI2c(std::uint16_t address, const std::uint8_t* data,
                                 std::int32_t count) {
  return VendorRequest(ks::KSPROPERTY_TYPE_SET, REQ_I2C_WRITE, address,
                       const_cast<std::uint8_t*>(data), count);
}

ks::HResult DeviceLink::ReadI2c(std::uint16_t address, std::uint8_t* buffer, std::int32_t count) {
  return VendorGet(REQ_I2C_READ, address, buffer, count);
}

ks::HResult DeviceLink::SetGpio(std::uint16_t line, const std::uint8_t* level) {
  return VendorRequest(ks::KSPROPERTY_TYPE_SET, REQ_GPIO_SET, line,
                       const_cast<std::uint8_t*>(level), 1);
}

ks::HResult DeviceLink::GetGpio(std::uint16_t line, std::uint8_t* level) {
  return VendorGet(REQ_GPIO_GET, line, level, 1);
}

ks::HResult DeviceLink::WriteUart(const std::uint8_t* data, std::int32_t count) {
  return VendorRequest(ks::KSPROPERTY_TYPE_SET, REQ_UART_WRITE, 0, const_cast<std::uint8_t*>(data),
                       count);
}

ks::HResult DeviceLink::ReadUart(std::uint8_t* buffer, std::int32_t count) {
  return VendorGet(REQ_UART_READ, 0, buffer, count);
}

ks::HResult DeviceLink::ReadFpgaRegister(std::uint32_t address, std::uint16_t* value) {
  if (!channel_)
    return ks::E_FAIL;
  const auto record = FpgaRegisterRequest(ks::KSPROPERTY_TYPE_GET, address);
  std::uint8_t data[2] = {static_cast<std::uint8_t>(*value),
                          static_cast<std::uint8_t>(*value >> 8)};
  std::uint32_t returned = 0;
  const ks::HResult hr = channel_->KsProperty(record.data(), kRecordSize, data, 2, &returned);
  if (ks::Succeeded(hr))
    *value = ks::GetU16(data);
  return hr;
}

ks::HResult DeviceLink::WriteFpgaRegister(std::uint32_t address, const std::uint16_t* value) {
  if (!channel_)
    return ks::E_FAIL;
  const auto record = FpgaRegisterRequest(ks::KSPROPERTY_TYPE_SET, address);
  std::uint8_t data[2];
  ks::PutU16(data, *value);
  std::uint32_t returned = 0;
  return channel_->KsProperty(record.data(), kRecordSize, data, 2, &returned);
}

ks::HResult DeviceLink::WriteRegisterPairs(const std::uint8_t* pairs, std::uint32_t byteCount) {
  if (!channel_)
    return ks::E_FAIL;
  const auto record = DeviceRequest(kRegisterPairBlockId, ks::KSPROPERTY_TYPE_SET, 0, 0, 0,
                                    static_cast<std::uint16_t>(byteCount));
  std::uint32_t returned = 0;
  return channel_->KsProperty(record.data(), kRecordSize, const_cast<std::uint8_t*>(pairs),
                              byteCount, &returned);
}

ks::HResult DeviceLink::GetShortProperty(std::uint32_t id, std::uint32_t* value) {
  if (!channel_)
    return ks::E_FAIL;
  const auto record = ShortPropertyRecord(DeviceRequestSet, id, ks::KSPROPERTY_TYPE_GET);
  std::uint8_t data[4];
  ks::PutU32(data, *value);
  std::uint32_t returned = 0;
  const ks::HResult hr =
      channel_->KsProperty(record.data(), kShortPropertySize, data, 4, &returned);
  if (ks::Succeeded(hr))
    *value = ks::GetU32(data);
  return hr;
}

ks::HResult DeviceLink::SetShortProperty(std::uint32_t id, std::uint32_t value) {
  if (!channel_)
    return ks::E_FAIL;
  const auto record = ShortPropertyRecord(DeviceRequestSet, id, ks::KSPROPERTY_TYPE_SET);
  std::uint8_t data[4];
  ks::PutU32(data, value);
  std::uint32_t returned = 0;
  return channel_->KsProperty(record.data(), kShortPropertySize, data, 4, &returned);
}
