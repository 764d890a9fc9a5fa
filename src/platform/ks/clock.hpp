// Pauses go through a clock, so that tests and scripts can record them instead
// of waiting.
#pragma once

#include <cstdint>
#include <vector>

namespace ks {

class Clock {
public:
  virtual ~Clock() = default;
  virtual void Sleep(std::uint32_t ms) = 0;
};

// Sleeps for real, never shorter than asked.
class RealClock : public Clock {
public:
  void Sleep(std::uint32_t ms) override;
};

// Records each pause and returns at once.
class VirtualClock : public Clock {
public:
  void Sleep(std::uint32_t ms) override { pauses_.push_back(ms); }
  const std::vector<std::uint32_t>& pauses() const { return pauses_; }
  std::uint64_t total_ms() const;

private:
  std::vector<std::uint32_t> pauses_;
};

} // namespace ks
