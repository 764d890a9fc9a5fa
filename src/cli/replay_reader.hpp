// Reads a JSON Lines trace back into its events, one line at a time, so that
// memory stays bounded by the largest event however long the file is. Every
// line the programs write is accepted (LF or CR LF line ends); anything else
// is refused with its line number.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <variant>

#include "platform/ks/trace.hpp"

namespace cli {

// The event of one line without its line end, or what is wrong with it.
struct ParsedLine {
  ks::TraceEvent event;
  // Empty when the line is a trace event.
  std::string error;
};

ParsedLine ParseTraceLine(std::string_view line);

class TraceReader {
public:
  explicit TraceReader(const std::string& path);

  // False when the file cannot be opened.
  bool IsOpen() const { return file_.is_open(); }
  // The next event; false at the end of the file or at a line that is not a
  // trace event (error() then says which line and why).
  bool Next(ks::TraceEvent& event);
  // "line N: ..." after a refused line or a read failure, the problem after a
  // failed Rewind(); empty otherwise.
  const std::string& error() const { return error_; }
  // Back to the first line, for a second pass; error() says when the file
  // cannot go back.
  void Rewind();

private:
  std::ifstream file_;
  std::string line_;
  std::uint64_t lineNumber_ = 0;
  std::string error_;
};

} // namespace cli
