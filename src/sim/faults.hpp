// Failures to inject into the control channel. A failing call returns its
// fault's result code (by default what a driver returns for a transfer the
// device did not complete) and changes no board state.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "platform/ks/hresult.hpp"

namespace sim {

constexpr ks::HResult kTransferFailed = ks::E_DEVICE_NOT_FUNCTIONING;

class Faults {
public:
  using Code = std::optional<ks::HResult>;

  // Property calls are counted from 1 over the whole run, probes included.
  void FailCall(std::uint64_t n, ks::HResult hr = kTransferFailed) { calls_[n] = hr; }
  void FailFpgaGet(std::uint32_t address, ks::HResult hr = kTransferFailed) {
    fpgaGets_[address] = hr;
  }
  void FailFpgaSet(std::uint32_t address, ks::HResult hr = kTransferFailed) {
    fpgaSets_[address] = hr;
  }
  void FailEveryPairBlock(ks::HResult hr = kTransferFailed) { everyPairBlock_ = hr; }
  // Register-pair blocks are counted from 1 over the run.
  void FailPairBlock(std::uint64_t n, ks::HResult hr = kTransferFailed) { pairBlocks_[n] = hr; }
  void MakeI2cAbsent(std::uint16_t address) { i2cAbsent_[address] = kTransferFailed; }
  void FailChannelBeamGet(ks::HResult hr = kTransferFailed) { channelBeamGet_ = hr; }

  // Counts one property call; its fault's code when it is to fail.
  Code NextCallFails() { return Find(calls_, ++callCount_); }
  // Counts one register-pair block; its fault's code when it is to fail.
  Code NextPairBlockFails() {
    const Code n = Find(pairBlocks_, ++pairBlockCount_);
    return n ? n : everyPairBlock_;
  }
  Code FpgaGetFails(std::uint32_t address) const { return Find(fpgaGets_, address); }
  Code FpgaSetFails(std::uint32_t address) const { return Find(fpgaSets_, address); }
  bool I2cAbsent(std::uint16_t address) const { return i2cAbsent_.contains(address); }
  Code ChannelBeamGetFails() const { return channelBeamGet_; }

  std::uint64_t callCount() const { return callCount_; }

private:
  template <class Key> static Code Find(const std::map<Key, ks::HResult>& map, Key key) {
    const auto it = map.find(key);
    return it == map.end() ? Code() : Code(it->second);
  }

  std::map<std::uint64_t, ks::HResult> calls_;
  std::map<std::uint32_t, ks::HResult> fpgaGets_;
  std::map<std::uint32_t, ks::HResult> fpgaSets_;
  Code everyPairBlock_;
  std::map<std::uint64_t, ks::HResult> pairBlocks_;
  std::map<std::uint16_t, ks::HResult> i2cAbsent_;
  Code channelBeamGet_;
  std::uint64_t callCount_ = 0;
  std::uint64_t pairBlockCount_ = 0;
};

} // namespace sim
