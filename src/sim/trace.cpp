#include "sim/trace.hpp"

#include <cstdio>
#include <ostream>

namespace sim {

namespace {

constexpr std::size_t kFlushThreshold = 1 << 20;

void AppendHex(std::string& out, const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  const std::size_t start = out.size();
  out.resize(start + 2 * bytes.size());
  char* p = out.data() + start;
  for (const std::uint8_t b : bytes) {
    *p++ = kDigits[b >> 4];
    *p++ = kDigits[b & 0xF];
  }
}

void AppendJson(std::string& out, const PropertyEvent& e) {
  out += R"({"prop":")";
  AppendHex(out, e.property);
  out += R"(","data":")";
  AppendHex(out, e.data);
  out += R"(","len":)";
  out += std::to_string(e.length);
  char hr[16];
  std::snprintf(hr, sizeof hr, "0x%08x", static_cast<std::uint32_t>(e.hr));
  out += R"(,"hr":")";
  out += hr;
  out += R"(","out":")";
  AppendHex(out, e.out);
  out += R"("})";
}

void AppendJson(std::string& out, const SleepEvent& e) {
  out += R"({"sleep_ms":)";
  out += std::to_string(e.ms);
  out += '}';
}

void AppendJson(std::string& out, const TraceEvent& event) {
  std::visit([&](const auto& e) { AppendJson(out, e); }, event);
}

} // namespace

std::string ToJson(const TraceEvent& event) {
  std::string out;
  AppendJson(out, event);
  return out;
}

Trace::~Trace() {
  Flush();
}

void Trace::Record(TraceEvent event) {
  if (out_ != nullptr) {
    AppendJson(pending_, event);
    pending_ += '\n';
    if (pending_.size() >= kFlushThreshold)
      Flush();
  }
  if (keepEvents_)
    events_.push_back(std::move(event));
}

void Trace::StreamTo(std::ostream* out) {
  Flush();
  out_ = out;
}

void Trace::Flush() {
  if (out_ == nullptr || pending_.empty())
    return;
  out_->write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
  out_->flush();
  pending_.clear();
}

std::string Trace::ToJsonLines() const {
  std::string out;
  for (const TraceEvent& event : events_) {
    AppendJson(out, event);
    out += '\n';
  }
  return out;
}

} // namespace sim
