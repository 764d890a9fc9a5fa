// Fake catalogs and a recording channel, for discovery and transport tests.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ks/catalog.hpp"

namespace fake {

// Counts live objects so a test can check that every reference was released.
struct LiveCount {
  int objects = 0;
};

struct Call {
  std::vector<std::uint8_t> property;
  std::vector<std::uint8_t> data;
};

// Records every call; answers probes by the configured access flags.
class Channel : public ks::RefCounted<ks::KsControl> {
public:
  Channel(LiveCount& live) : live_(live) { ++live_.objects; }
  ~Channel() override { --live_.objects; }

  ks::HResult KsProperty(const void* property, std::uint32_t propertyLength, void* data,
                         std::uint32_t dataLength, std::uint32_t* bytesReturned) override;

  std::vector<Call> calls;
  // Per set: probe answer (hr, access flags, bytes returned), by the set's first byte.
  std::function<ks::HResult(const std::uint8_t* property, std::uint8_t* data, std::uint32_t length,
                            std::uint32_t* returned)>
      answer;

private:
  LiveCount& live_;
};

struct Entry {
  std::u16string path;
  ks::HResult nameResult = ks::S_OK;
  ks::HResult bindResult = ks::S_OK;
  bool hasControl = true;
};

class Catalog : public ks::DeviceCatalog {
public:
  ks::HResult createResult = ks::S_OK;
  ks::HResult classResult = ks::S_OK;
  std::vector<Entry> entries;
  LiveCount live;
  // The channels handed out, in order of binding.
  std::vector<Channel*> channels;
  std::function<ks::HResult(const std::uint8_t*, std::uint8_t*, std::uint32_t, std::uint32_t*)>
      answer;
  int monikersVisited = 0;

  ks::HResult CreateDeviceEnumerator(std::uint32_t context,
                                     ks::DeviceEnumerator** enumerator) override;
  std::uint32_t lastContext = 0;
};

} // namespace fake
