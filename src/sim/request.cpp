#include "sim/request.hpp"

#include "platform/ks/ks_property.hpp"
#include "sim/sim_ids.hpp"

namespace sim {

namespace {

constexpr std::uint32_t kFpgaAddressLimit = 0x10000;
constexpr std::uint32_t kPairSize = 4;
constexpr std::uint32_t kProbeDataSize = 4;
constexpr std::uint32_t kShortDataSize = 4;
constexpr std::uint32_t kRegisterDataSize = 2;

struct VendorForm {
  std::uint32_t flags;
  std::uint16_t code;
  RequestKind kind;
};

constexpr VendorForm kVendorForms[] = {
    {ks::KSPROPERTY_TYPE_SET, kReqI2cWrite, RequestKind::I2cWrite},
    {ks::KSPROPERTY_TYPE_GET, kReqI2cRead, RequestKind::I2cRead},
    {ks::KSPROPERTY_TYPE_SET, kReqGpioSet, RequestKind::GpioSet},
    {ks::KSPROPERTY_TYPE_GET, kReqGpioGet, RequestKind::GpioGet},
    {ks::KSPROPERTY_TYPE_SET, kReqUartWrite, RequestKind::UartWrite},
    {ks::KSPROPERTY_TYPE_GET, kReqUartRead, RequestKind::UartRead},
};

bool IsGetOrSet(std::uint32_t flags) {
  return flags == ks::KSPROPERTY_TYPE_GET || flags == ks::KSPROPERTY_TYPE_SET;
}

// The four u16 fields after the header of a DeviceRequest.
struct DeviceFields {
  std::uint16_t request, value, index, length;
};

DeviceFields ReadDeviceFields(const std::uint8_t* record) {
  return {ks::GetU16(record + 24), ks::GetU16(record + 26), ks::GetU16(record + 28),
          ks::GetU16(record + 30)};
}

// The length field carries only the low 16 bits of the data length.
bool LengthMatches(const DeviceFields& f, std::uint32_t dataLength) {
  return f.length == static_cast<std::uint16_t>(dataLength);
}

ks::HResult DecodeVendor(const std::uint8_t* record, std::uint32_t flags, std::uint32_t dataLength,
                         Request* request) {
  const DeviceFields f = ReadDeviceFields(record);
  const VendorForm* form = nullptr;
  for (const VendorForm& candidate : kVendorForms)
    if (candidate.flags == flags && candidate.code == f.request)
      form = &candidate;
  if (form == nullptr)
    return ks::E_PROP_ID_UNSUPPORTED;
  if (f.value != 0 || !LengthMatches(f, dataLength) || dataLength == 0)
    return ks::E_INVALIDARG;
  const bool gpio = form->kind == RequestKind::GpioSet || form->kind == RequestKind::GpioGet;
  const bool uart = form->kind == RequestKind::UartWrite || form->kind == RequestKind::UartRead;
  if ((gpio && dataLength != 1) || (uart && f.index != 0))
    return ks::E_INVALIDARG;
  *request = {form->kind, f.index};
  return ks::S_OK;
}

ks::HResult DecodePairBlock(const std::uint8_t* record, std::uint32_t dataLength,
                            Request* request) {
  const DeviceFields f = ReadDeviceFields(record);
  if (f.request != 0 || f.value != 0 || f.index != 0 || !LengthMatches(f, dataLength) ||
      dataLength % kPairSize != 0)
    return ks::E_INVALIDARG;
  *request = {RequestKind::PairBlock, 0};
  return ks::S_OK;
}

ks::HResult DecodeFpgaRegister(const std::uint8_t* record, std::uint32_t flags,
                               std::uint32_t dataLength, Request* request) {
  const std::uint32_t zero = ks::GetU32(record + 24);
  const std::uint32_t address = ks::GetU32(record + 28);
  if (zero != 0 || dataLength != kRegisterDataSize || address >= kFpgaAddressLimit)
    return ks::E_INVALIDARG;
  *request = {flags == ks::KSPROPERTY_TYPE_GET ? RequestKind::FpgaGet : RequestKind::FpgaSet,
              address};
  return ks::S_OK;
}

// A short property: the header alone, with a u32 as data.
ks::HResult ShortForm(RequestKind kind, std::uint32_t propertyLength, std::uint32_t dataLength,
                      bool exactData, Request* request) {
  if (propertyLength != kShortRecordSize)
    return ks::E_INVALIDARG;
  if (exactData ? dataLength != kShortDataSize : dataLength < kProbeDataSize)
    return ks::E_INVALIDARG;
  *request = {kind, 0};
  return ks::S_OK;
}

ks::HResult LongForm(std::uint32_t propertyLength) {
  return propertyLength == kLongRecordSize ? ks::S_OK : ks::E_INVALIDARG;
}

} // namespace

ks::HResult DecodeRequest(const void* property, std::uint32_t propertyLength,
                          std::uint32_t dataLength, Request* request) {
  if (property == nullptr ||
      (propertyLength != kShortRecordSize && propertyLength != kLongRecordSize))
    return ks::E_INVALIDARG;
  const auto* record = static_cast<const std::uint8_t*>(property);
  const auto header = ks::KsPropertyHeader::ReadFrom(record);
  const bool probe = header.id == 0 && header.flags == ks::KSPROPERTY_TYPE_BASICSUPPORT;

  if (header.set == DeviceRequestSetId()) {
    if (probe)
      return ShortForm(RequestKind::DeviceProbe, propertyLength, dataLength, false, request);
    if (header.id == kVendorRequestId && IsGetOrSet(header.flags)) {
      const ks::HResult hr = LongForm(propertyLength);
      return ks::Failed(hr) ? hr : DecodeVendor(record, header.flags, dataLength, request);
    }
    if (header.id == kPairBlockId && header.flags == ks::KSPROPERTY_TYPE_SET) {
      const ks::HResult hr = LongForm(propertyLength);
      return ks::Failed(hr) ? hr : DecodePairBlock(record, dataLength, request);
    }
    if (header.id == kMultiBeamId && header.flags == ks::KSPROPERTY_TYPE_SET)
      return ShortForm(RequestKind::MultiBeamSet, propertyLength, dataLength, true, request);
    if (header.id == kChannelBeamId && IsGetOrSet(header.flags)) {
      const auto kind = header.flags == ks::KSPROPERTY_TYPE_GET ? RequestKind::ChannelBeamGet
                                                                : RequestKind::ChannelBeamSet;
      return ShortForm(kind, propertyLength, dataLength, true, request);
    }
    return ks::E_PROP_ID_UNSUPPORTED;
  }

  if (header.set == FpgaRegisterSetId()) {
    if (probe)
      return ShortForm(RequestKind::FpgaProbe, propertyLength, dataLength, false, request);
    if (header.id == 0 && IsGetOrSet(header.flags)) {
      const ks::HResult hr = LongForm(propertyLength);
      return ks::Failed(hr) ? hr : DecodeFpgaRegister(record, header.flags, dataLength, request);
    }
    return ks::E_PROP_ID_UNSUPPORTED;
  }
  return ks::E_PROP_ID_UNSUPPORTED;
}

} // namespace sim
