#include "device/requests.hpp"

#include "platform/ks/ks_property.hpp"

const ks::Guid DeviceRequestSet = ks::GuidOf("{96EBFF87-707D-43F8-8E10-FD6E5C15ECDC}");
const ks::Guid FpgaRegisterSet = ks::GuidOf("{CD0B693F-9B1A-4380-8730-E9604F3E1556}");
const ks::Guid VeltaDeviceCategory = ks::GuidOf("{5C259E00-F30A-11D6-95E3-0020ED1A49FF}");

Record DeviceRequest(std::uint32_t id, std::uint32_t flags, std::uint16_t request,
                     std::uint16_t value, std::uint16_t index, std::uint16_t length) {
  Record r{};
  ks::KsPropertyHeader{DeviceRequestSet, id, flags}.WriteTo(r.data());
  ks::PutU16(r.data() + 24, request);
  ks::PutU16(r.data() + 26, value);
  ks::PutU16(r.data() + 28, index);
  ks::PutU16(r.data() + 30, length);
  return r;
}

Record FpgaRegisterRequest(std::uint32_t flags, std::uint32_t address) {
  Record r{};
  ks::KsPropertyHeader{FpgaRegisterSet, 0, flags}.WriteTo(r.data());
  ks::PutU32(r.data() + 24, 0);
  ks::PutU32(r.data() + 28, address);
  return r;
}

ShortProperty ShortPropertyRecord(const ks::Guid& set, std::uint32_t id, std::uint32_t flags) {
  ShortProperty r{};
  ks::KsPropertyHeader{set, id, flags}.WriteTo(r.data());
  return r;
}

std::array<std::uint8_t, 32> RepeatedPairBlock(std::uint16_t address, std::uint16_t value) {
  std::array<std::uint8_t, 32> block{};
  for (std::size_t i = 0; i < block.size(); i += kPairSize)
    PutPair(block.data() + i, address, value);
  return block;
}
