#include "sim/sim_ids.hpp"

namespace sim {

const ks::Guid& DeviceRequestSetId() {
  static const ks::Guid id = ks::GuidOf("{96EBFF87-707D-43F8-8E10-FD6E5C15ECDC}");
  return id;
}

const ks::Guid& FpgaRegisterSetId() {
  static const ks::Guid id = ks::GuidOf("{CD0B693F-9B1A-4380-8730-E9604F3E1556}");
  return id;
}

const ks::Guid& DeviceCategoryId() {
  static const ks::Guid id = ks::GuidOf("{5C259E00-F30A-11D6-95E3-0020ED1A49FF}");
  return id;
}

} // namespace sim
