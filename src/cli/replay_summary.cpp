#include "cli/replay_summary.hpp"

#include <algorithm>
#include <cstdio>

#include "device/requests.hpp"
#include "platform/ks/ks_property.hpp"

namespace cli {

namespace {

constexpr std::size_t kWholeBufferLimit = 16;

struct VendorName {
  std::uint16_t request;
  const char* name;
  // How the index is shown: "0x%02x" for an I2C address, "%u" for a line.
  const char* index;
};

constexpr VendorName kVendorNames[] = {
    {REQ_I2C_WRITE, "I2C write", " 0x%02x"}, {REQ_I2C_READ, "I2C read", " 0x%02x"},
    {REQ_GPIO_SET, "GPIO set", " %u"},       {REQ_GPIO_GET, "GPIO get", " %u"},
    {REQ_UART_WRITE, "UART write", ""},      {REQ_UART_READ, "UART read", ""},
};

template <class... Args> std::string Format(const char* format, Args... args) {
  char text[64];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

std::string SetName(const ks::Guid& set) {
  if (set == DeviceRequestSet)
    return "DeviceRequestSet";
  if (set == FpgaRegisterSet)
    return "FpgaRegisterSet";
  return set.ToString();
}

std::string Direction(std::uint32_t flags) {
  if (flags == ks::KSPROPERTY_TYPE_GET)
    return "get";
  if (flags == ks::KSPROPERTY_TYPE_SET)
    return "set";
  return Format("flags 0x%x", flags);
}

std::string VendorRequest(const std::uint8_t* record, std::uint32_t flags) {
  const std::uint16_t request = ks::GetU16(record + 24);
  const std::uint16_t index = ks::GetU16(record + 28);
  for (const VendorName& v : kVendorNames)
    if (v.request == request)
      return v.name + Format(v.index, index);
  return Format("request 0x%02x ", request) + Direction(flags);
}

std::string PairBlock(const ks::PropertyEvent& call) {
  const std::uint32_t pairs = call.length / kPairSize;
  if (pairs == 0)
    return "pairs 0";
  return Format("pairs %u from 0x%04x", pairs, ks::GetU16(call.data.data()));
}

std::string Hex(std::span<const std::uint8_t> bytes) {
  if (bytes.empty())
    return "-";
  std::string text;
  for (const std::uint8_t b : bytes)
    text += Format("%02x", b);
  return text;
}

// The whole buffer, or up to 16 bytes from `from` with the offset before them.
std::string Shown(std::span<const std::uint8_t> bytes, std::size_t from) {
  if (bytes.size() <= kWholeBufferLimit)
    return Hex(bytes);
  const std::size_t count = std::min(kWholeBufferLimit, bytes.size() - from);
  return Format("@0x%04zx ", from) + Hex(bytes.subspan(from, count));
}

} // namespace

std::string Summarize(const ks::PropertyEvent& call) {
  const std::uint8_t* record = call.property.data();
  const auto header = ks::KsPropertyHeader::ReadFrom(record);
  const bool getOrSet =
      header.flags == ks::KSPROPERTY_TYPE_GET || header.flags == ks::KSPROPERTY_TYPE_SET;
  const bool full = call.property.size() >= kRecordSize;
  if (header.id == 0 && header.flags == ks::KSPROPERTY_TYPE_BASICSUPPORT)
    return "basic support " + SetName(header.set);
  if (header.set == FpgaRegisterSet && header.id == 0 && getOrSet && full)
    return "FPGA " + Direction(header.flags) + Format(" 0x%04x", ks::GetU32(record + 28));
  if (header.set == DeviceRequestSet && full) {
    if (header.id == kDeviceVendorRequestId)
      return VendorRequest(record, header.flags);
    if (header.id == kRegisterPairBlockId)
      return PairBlock(call);
  }
  const std::string prefix = header.set == DeviceRequestSet ? "" : SetName(header.set) + " ";
  return prefix + Format("property %u ", header.id) + Direction(header.flags);
}

std::string DescribeDifference(const ks::PropertyEvent& expected, ks::HResult hr,
                               std::span<const std::uint8_t> out) {
  const auto mismatch =
      std::mismatch(expected.out.begin(), expected.out.end(), out.begin(), out.end());
  const std::size_t from =
      mismatch.first == expected.out.end() ? 0 : mismatch.first - expected.out.begin();
  return Format("expected hr 0x%08x out ", static_cast<std::uint32_t>(expected.hr)) +
         Shown(expected.out, from) +
         Format(", got hr 0x%08x out ", static_cast<std::uint32_t>(hr)) + Shown(out, from);
}

} // namespace cli
