#include "platform/ks/trace.hpp"

#include <cstdio>
#include <ostream>

namespace ks {

namespace {

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

void Trace::Record(TraceEvent event) {
  if (out_ != nullptr) {
    line_.clear();
    AppendJson(line_, event);
    line_ += '\n';
    // One write and a flush per line: a killed session loses no whole event.
    out_->write(line_.data(), static_cast<std::streamsize>(line_.size()));
    out_->flush();
  }
  if (keepEvents_)
    events_.push_back(std::move(event));
}

std::string Trace::ToJsonLines() const {
  std::string out;
  for (const TraceEvent& event : events_) {
    AppendJson(out, event);
    out += '\n';
  }
  return out;
}

} // namespace ks
