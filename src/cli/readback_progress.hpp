// The progress line of a long read on a terminal: nothing during the first
// second, then "\rLABEL: N %" each time the percentage changes, and the line
// ended once the read is over.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <ostream>
#include <string>

namespace cli {

class ProgressLine {
public:
  using Now = std::function<std::chrono::steady_clock::time_point()>;

  // No stream: the line stays silent.
  ProgressLine(std::ostream* out, std::string label, Now now = SteadyNow);
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void Update(std::size_t done, std::size_t total);

private:
  static std::chrono::steady_clock::time_point SteadyNow() {
    return std::chrono::steady_clock::now();
  }

  std::ostream* out_;
  std::string label_;
  Now now_;
  std::chrono::steady_clock::time_point start_;
  int shown_ = -1; // the percentage on the line; -1 before it appears
};

} // namespace cli
