// Every property call and every pause, in order. Kept in memory for tests and
// optionally streamed as JSON Lines through a buffer, so that long table loads
// are not slowed by a flush per event.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

#include "platform/ks/hresult.hpp"

namespace sim {

struct PropertyEvent {
  std::vector<std::uint8_t> property;
  std::vector<std::uint8_t> data; // as handed over
  std::uint32_t length = 0;
  ks::HResult hr = ks::S_OK;
  std::vector<std::uint8_t> out; // after the call
};

struct SleepEvent {
  std::uint32_t ms = 0;
};

using TraceEvent = std::variant<PropertyEvent, SleepEvent>;

// One JSON object, without the line end.
std::string ToJson(const TraceEvent& event);

class Trace {
public:
  Trace() = default;
  Trace(const Trace&) = delete;
  Trace& operator=(const Trace&) = delete;
  ~Trace();

  void Record(TraceEvent event);

  // Streams every later event to `out` (null stops streaming); flushes what
  // was pending for the previous stream.
  void StreamTo(std::ostream* out);
  void Flush();
  // Whether events are also kept in memory; on by default.
  void set_keepEvents(bool keep) { keepEvents_ = keep; }
  // Whether property calls need recording at all.
  bool active() const { return keepEvents_ || out_ != nullptr; }

  const std::vector<TraceEvent>& events() const { return events_; }
  void Clear() { events_.clear(); }
  // The kept events as JSON Lines.
  std::string ToJsonLines() const;

private:
  std::vector<TraceEvent> events_;
  bool keepEvents_ = true;
  std::ostream* out_ = nullptr;
  std::string pending_;
};

} // namespace sim
