// Failures to inject into the control channel. A failing call returns a
// failure result and changes no board state.
#pragma once

#include <cstdint>
#include <set>

namespace sim {

class Faults {
public:
  // Property calls are counted from 1 over the whole run, probes included.
  void FailCall(std::uint64_t n) { calls_.insert(n); }
  void FailFpgaGet(std::uint32_t address) { fpgaGets_.insert(address); }
  void FailFpgaSet(std::uint32_t address) { fpgaSets_.insert(address); }
  void FailEveryPairBlock() { everyPairBlock_ = true; }
  // Register-pair blocks are counted from 1 over the run.
  void FailPairBlock(std::uint64_t n) { pairBlocks_.insert(n); }
  void MakeI2cAbsent(std::uint16_t address) { i2cAbsent_.insert(address); }
  void FailChannelBeamGet() { channelBeamGet_ = true; }

  // Counts one property call and says whether it is to fail.
  bool NextCallFails() { return calls_.contains(++callCount_); }
  // Counts one register-pair block and says whether it is to fail.
  bool NextPairBlockFails() { return everyPairBlock_ || pairBlocks_.contains(++pairBlockCount_); }
  bool FpgaGetFails(std::uint32_t address) const { return fpgaGets_.contains(address); }
  bool FpgaSetFails(std::uint32_t address) const { return fpgaSets_.contains(address); }
  bool I2cAbsent(std::uint16_t address) const { return i2cAbsent_.contains(address); }
  bool ChannelBeamGetFails() const { return channelBeamGet_; }

  std::uint64_t callCount() const { return callCount_; }

private:
  std::set<std::uint64_t> calls_;
  std::set<std::uint32_t> fpgaGets_;
  std::set<std::uint32_t> fpgaSets_;
  bool everyPairBlock_ = false;
  std::set<std::uint64_t> pairBlocks_;
  std::set<std::uint16_t> i2cAbsent_;
  bool channelBeamGet_ = false;
  std::uint64_t callCount_ = 0;
  std::uint64_t pairBlockCount_ = 0;
};

} // namespace sim
