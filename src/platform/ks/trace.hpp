// Every property call and every pause, in order. Kept in memory for tests and
// optionally written as JSON Lines, one whole line per event as it happens, so
// that a session that is killed or crashes keeps everything up to its last call.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/ks/hresult.hpp"

namespace ks {

struct PropertyEvent {
  std::vector<std::uint8_t> property;
  std::vector<std::uint8_t> data; // as handed over
  std::uint32_t length = 0;
  HResult hr = S_OK;
  std::vector<std::uint8_t> out; // after the call
  // The bytes-returned count, where the caller asked for one. Not written.
  std::optional<std::uint32_t> returned;
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

  void Record(TraceEvent event);

  // Writes every later event to `out` (null stops writing), each line flushed
  // as it is recorded.
  void StreamTo(std::ostream* out) { out_ = out; }
  bool streaming() const { return out_ != nullptr; }
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
  std::string line_; // reused, so that a long load does not allocate per event
};

} // namespace ks
