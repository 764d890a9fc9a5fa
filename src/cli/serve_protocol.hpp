// The serving protocol's lines: one JSON object a line each way. A request
// names a command of the command line, as a list of words or as one script
// line, and carries an id its answers repeat.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "cli/command.hpp"

namespace cli {

using Json = nlohmann::ordered_json;

struct Request {
  // Any JSON value; null when the request carries none.
  Json id;
  std::optional<Command> command;
  // Why the line is not a request; empty when it is one.
  std::string error;
};

Request ParseRequest(std::string_view line);

// One line of the protocol, without its newline: ", " between items and
// ": " after each key; text that is not UTF-8 is replaced, never refused.
std::string FormatLine(const Json& object);

} // namespace cli
