#include "platform/ks/ks_property.hpp"

namespace ks {

void KsPropertyHeader::WriteTo(std::uint8_t* out) const {
  const auto guid = set.Bytes();
  for (std::size_t i = 0; i < guid.size(); ++i)
    out[i] = guid[i];
  PutU32(out + 16, id);
  PutU32(out + 20, flags);
}

KsPropertyHeader KsPropertyHeader::ReadFrom(const std::uint8_t* in) {
  KsPropertyHeader h;
  h.set = Guid::FromBytes(in);
  h.id = GetU32(in + 16);
  h.flags = GetU32(in + 20);
  return h;
}

} // namespace ks
