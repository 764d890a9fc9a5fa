// One piece of board state that counts its changes. The state can be changed
// only through Edit(), so writes() moves with every write, and a state nothing
// has written since its reset is known to be the power-on state (State{})
// without looking at it: resets and comparisons of untouched state are free.
#pragma once

#include <cstdint>

namespace sim {

template <class State> class Watched {
public:
  const State& operator*() const { return state_; }
  const State* operator->() const { return &state_; }
  State& Edit() {
    ++writes_;
    return state_;
  }

  // Every Edit() and every reset that had something to undo.
  std::uint64_t writes() const { return writes_; }
  bool Untouched() const { return writes_ == resetAt_; }

  void Reset() {
    if (Untouched())
      return;
    state_ = State{};
    resetAt_ = ++writes_;
  }

  friend bool operator==(const Watched& a, const Watched& b) {
    return (a.Untouched() && b.Untouched()) || a.state_ == b.state_;
  }

private:
  State state_{};
  std::uint64_t writes_ = 0;
  std::uint64_t resetAt_ = 0;
};

} // namespace sim
