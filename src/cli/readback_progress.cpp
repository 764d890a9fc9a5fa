#include "cli/readback_progress.hpp"

namespace cli {

namespace {

constexpr std::chrono::seconds kQuietTime{1};

} // namespace

ProgressLine::ProgressLine(std::ostream* out, std::string label, Now now)
    : out_(out), label_(std::move(label)), now_(std::move(now)), start_(now_()) {}

ProgressLine::~ProgressLine() {
  if (shown_ >= 0)
    *out_ << '\n' << std::flush;
}

void ProgressLine::Update(std::size_t done, std::size_t total) {
  if (out_ == nullptr || total == 0)
    return;
  const auto percent = static_cast<int>(done * 100 / total);
  if (percent == shown_ || (shown_ < 0 && now_() - start_ < kQuietTime))
    return;
  *out_ << '\r' << label_ << ": " << percent << " %" << std::flush;
  shown_ = percent;
}

} // namespace cli
