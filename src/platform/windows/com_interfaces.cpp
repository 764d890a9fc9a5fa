#include "platform/windows/com_interfaces.hpp"

#include <cstring>

namespace win {

GUID ToGuid(const ks::Guid& guid) {
  GUID out{};
  out.Data1 = guid.data1;
  out.Data2 = guid.data2;
  out.Data3 = guid.data3;
  std::memcpy(out.Data4, guid.data4.data(), sizeof out.Data4);
  return out;
}

const GUID kSystemDeviceEnumClass = ToGuid(ks::GuidOf("{62BE5D10-60EB-11D0-BD3B-00A0C911CE86}"));
const GUID kCreateDevEnumInterface = ToGuid(ks::GuidOf("{29840822-5B84-11D0-BD3B-00A0C911CE86}"));
const GUID kBaseFilterInterface = ToGuid(ks::GuidOf("{56A86895-0AD4-11CE-B03A-0020AF0BA770}"));
const GUID kKsControlInterface = ToGuid(ks::GuidOf("{28F54685-06FD-11D2-B27A-00A0C9223196}"));

} // namespace win
