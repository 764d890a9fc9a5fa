// How many property calls failed since a mark, kept apart from the trace so
// that it works with tracing off.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/ks/hresult.hpp"

namespace ks {

class CallStats {
public:
  void Record(HResult hr) {
    ++calls_;
    if (Succeeded(hr))
      return;
    ++failed_;
    if (!firstFailure_)
      firstFailure_ = hr;
  }
  void Mark() {
    calls_ = 0;
    failed_ = 0;
    firstFailure_.reset();
  }

  std::uint64_t calls() const { return calls_; }
  std::uint64_t failed() const { return failed_; }
  std::optional<HResult> firstFailure() const { return firstFailure_; }

private:
  std::uint64_t calls_ = 0;
  std::uint64_t failed_ = 0;
  std::optional<HResult> firstFailure_;
};

} // namespace ks
