// COM-style result codes: 0 and positive values succeed, negative values fail.
#pragma once

#include <cstdint>

namespace ks {

using HResult = std::int32_t;

constexpr HResult S_OK = 0;
constexpr HResult S_FALSE = 1;
constexpr HResult E_NOTIMPL = static_cast<HResult>(0x80004001u);
constexpr HResult E_NOINTERFACE = static_cast<HResult>(0x80004002u);
constexpr HResult E_POINTER = static_cast<HResult>(0x80004003u);
constexpr HResult E_FAIL = static_cast<HResult>(0x80004005u);
constexpr HResult E_INVALIDARG = static_cast<HResult>(0x80070057u);
// What a driver returns for a request whose set, id or flags it does not know.
constexpr HResult E_PROP_ID_UNSUPPORTED = static_cast<HResult>(0x80070490u);
// What a driver returns when the device did not complete a transfer (NAK, stall).
constexpr HResult E_DEVICE_NOT_FUNCTIONING = static_cast<HResult>(0x8007001Fu);

constexpr bool Succeeded(HResult hr) {
  return hr >= 0;
}
constexpr bool Failed(HResult hr) {
  return hr < 0;
}

} // namespace ks
