// The control channel of the bound device and the request primitives that every
// handler sends through. The main dialog owns one and exposes its operations
// under the dialog's own names.
#pragma once

#include <cstdint>

#include "platform/ks/catalog.hpp"
#include "platform/ks/hresult.hpp"
#include "platform/ks/ks_property.hpp"
#include "platform/ks/recorder.hpp"
#include "platform/ks/unknown.hpp"

class DeviceLink {
public:
  // Every channel bound from now on goes through the recorder (null: none),
  // so that the trace and the failure count start at the first probe.
  void SetRecorder(ks::Recorder* recorder) { recorder_ = recorder; }

  // Walks the catalog's device category, binds the first matching filter's
  // control channel and probes both property sets. True when a channel is bound.
  bool FindDevice(ks::DeviceCatalog& catalog);

  bool HasChannel() const { return static_cast<bool>(channel_); }
  bool DeviceReady() const { return deviceReady_; }
  ks::KsControl* Channel() const { return channel_.Get(); }
  // Drops the channel; the dialog's destructor does this before COM goes away.
  void Release() { channel_.Reset(); }

  ks::HResult WriteI2c(std::uint16_t address, const std::uint8_t* data, std::int32_t count);
  ks::HResult ReadI2c(std::uint16_t address, std::uint8_t* buffer, std::int32_t count);
  ks::HResult SetGpio(std::uint16_t line, const std::uint8_t* level);
  ks::HResult GetGpio(std::uint16_t line, std::uint8_t* level);
  ks::HResult WriteUart(const std::uint8_t* data, std::int32_t count);
  ks::HResult ReadUart(std::uint8_t* buffer, std::int32_t count);
  ks::HResult ReadFpgaRegister(std::uint32_t address, std::uint16_t* value);
  ks::HResult WriteFpgaRegister(std::uint32_t address, const std::uint16_t* value);
  ks::HResult WriteRegisterPairs(const std::uint8_t* pairs, std::uint32_t byteCount);

  // The short properties: 24-byte header with a u32 as data.
  ks::HResult GetShortProperty(std::uint32_t id, std::uint32_t* value);
  ks::HResult SetShortProperty(std::uint32_t id, std::uint32_t value);

  // Basic-support probe: true when the set answers with both GET and SET.
  bool ProbeSupport(const ks::Guid& set);

private:
  ks::HResult VendorRequest(std::uint32_t flags, std::uint16_t request, std::uint16_t index,
                            void* data, std::int32_t count);
  // A get through a scratch copy: a driver that fills part of the buffer and
  // then fails leaves the caller's preset as it was.
  ks::HResult VendorGet(std::uint16_t request, std::uint16_t index, std::uint8_t* buffer,
                        std::int32_t count);

  ks::Recorder* recorder_ = nullptr;
  bool deviceReady_ = false;
  ks::ComPtr<ks::KsControl> channel_;
};

// Whether a device path (display name) carries one of the device's USB ids.
bool MatchesDeviceId(const std::u16string& displayName);
