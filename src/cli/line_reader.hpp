// Where the prompt's lines come from. On Linux a terminal gets line editing,
// history kept in ~/.velta_history and Tab completion; the Windows console
// edits lines and keeps history itself, so there the lines are read as typed.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/app.hpp"

namespace cli {

class LineReader {
public:
  virtual ~LineReader() = default;
  // Shows the prompt and returns the line without its newline; nothing at the
  // end of input.
  virtual std::optional<std::string> ReadLine(const std::string& prompt) = 0;
};

std::unique_ptr<LineReader> MakeTerminalReader(Console& io);

} // namespace cli
