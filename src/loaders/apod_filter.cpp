#include "loaders/apod_filter.hpp"

#include "device/requests.hpp"

namespace loaders {

ApodFilter ReadApodFilter(TableTextReader& reader) {
  ApodFilter filter;
  filter.pairs.reserve(kApodEntries * kPairSize);
  reader.ForEachNumber([&](std::int32_t number) {
    if (filter.count < kApodEntries)
      AppendPair(filter.pairs, static_cast<std::uint16_t>(kApodBase + filter.count),
                 static_cast<std::uint16_t>(number));
    ++filter.count;
    return filter.count <= kApodEntries;
  });
  return filter;
}

} // namespace loaders
