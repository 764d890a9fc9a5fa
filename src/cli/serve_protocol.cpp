#include "cli/serve_protocol.hpp"

#include <span>
#include <string>
#include <vector>

namespace cli {

namespace {

// Copying and writing a value recurse once a level: a deeper request is
// refused as it is read, before its depth can exhaust the stack.
constexpr int kMaxDepth = 64;

std::string Scalar(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

void Write(const Json& value, std::string& out) {
  if (value.is_object()) {
    out += '{';
    const char* separator = "";
    for (const auto& [key, item] : value.items()) {
      out += separator;
      out += Scalar(key) + ": ";
      Write(item, out);
      separator = ", ";
    }
    out += '}';
  } else if (value.is_array()) {
    out += '[';
    const char* separator = "";
    for (const Json& item : value) {
      out += separator;
      Write(item, out);
      separator = ", ";
    }
    out += ']';
  } else {
    out += Scalar(value);
  }
}

// The command a "cmd" value names; sets error otherwise.
std::optional<Command> CommandOf(const Json& cmd, std::string& error) {
  if (cmd.is_string()) {
    auto command = ParseScriptLine(cmd.get<std::string>());
    if (!command)
      error = "\"cmd\" holds no command";
    return command;
  }
  if (!cmd.is_array() || cmd.empty()) {
    error = "\"cmd\" must be a list of words or one command line";
    return std::nullopt;
  }
  std::vector<std::string> words;
  for (const Json& word : cmd) {
    if (!word.is_string()) {
      error = "every word of \"cmd\" must be a string";
      return std::nullopt;
    }
    words.push_back(word.get<std::string>());
  }
  std::vector<Command> commands = SplitArguments(std::span<const std::string>(words));
  if (commands.size() != 1) {
    error = "\"cmd\" must hold one command";
    return std::nullopt;
  }
  return std::move(commands.front());
}

} // namespace

Request ParseRequest(std::string_view line) {
  Request request;
  bool tooDeep = false;
  const Json::parser_callback_t depthCheck = [&](int depth, Json::parse_event_t, Json&) {
    tooDeep = tooDeep || depth > kMaxDepth;
    return !tooDeep;
  };
  const Json parsed = Json::parse(line, depthCheck, false);
  if (tooDeep) {
    request.error =
        "malformed request: nested deeper than " + std::to_string(kMaxDepth) + " levels";
    return request;
  }
  if (parsed.is_discarded()) {
    request.error = "malformed request: not one JSON value";
    return request;
  }
  if (!parsed.is_object()) {
    request.error = "malformed request: not a JSON object";
    return request;
  }
  if (const auto id = parsed.find("id"); id != parsed.end())
    request.id = *id;
  const auto cmd = parsed.find("cmd");
  if (cmd == parsed.end()) {
    request.error = "malformed request: no \"cmd\"";
    return request;
  }
  std::string problem;
  request.command = CommandOf(*cmd, problem);
  if (!problem.empty())
    request.error = "malformed request: " + problem;
  return request;
}

std::string FormatLine(const Json& object) {
  std::string out;
  Write(object, out);
  return out;
}

} // namespace cli
