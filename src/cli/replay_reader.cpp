#include "cli/replay_reader.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>

#include "platform/files/open_file.hpp"

namespace cli {

namespace {

using nlohmann::json;

constexpr std::array<std::string_view, 5> kPropertyKeys = {"prop", "data", "len", "hr", "out"};
constexpr std::string_view kSleepKey = "sleep_ms";

std::string Quoted(std::string_view key) {
  std::string text(1, '"');
  text += key;
  text += '"';
  return text;
}

// Exactly the digits of text, nothing before or after them.
template <class Number> bool ReadHex(std::string_view text, Number& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, 16);
  return error == std::errc() && stop == end;
}

std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view text) {
  if (text.size() % 2 != 0)
    return std::nullopt;
  std::vector<std::uint8_t> bytes(text.size() / 2);
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (!ReadHex(text.substr(2 * i, 2), bytes[i]))
      return std::nullopt;
  return bytes;
}

// Fields are read in order; the first that is wrong names the problem.
class Fields {
public:
  explicit Fields(const json& object) : object_(object) {}

  std::uint32_t U32(std::string_view key) {
    const json& value = object_.at(std::string(key));
    if (!value.is_number_unsigned() ||
        value.get<std::uint64_t>() > std::numeric_limits<std::uint32_t>::max()) {
      Fail(Quoted(key) + " is not a whole number from 0 to 4294967295");
      return 0;
    }
    return value.get<std::uint32_t>();
  }

  std::vector<std::uint8_t> Bytes(std::string_view key) {
    const json& value = object_.at(std::string(key));
    std::optional<std::vector<std::uint8_t>> bytes;
    if (value.is_string())
      bytes = HexBytes(value.get_ref<const std::string&>());
    if (!bytes) {
      Fail(Quoted(key) + " is not a string of hexadecimal byte pairs");
      return {};
    }
    return *bytes;
  }

  ks::HResult Result(std::string_view key) {
    const json& value = object_.at(std::string(key));
    std::uint32_t hr = 0;
    const std::string* text = value.is_string() ? &value.get_ref<const std::string&>() : nullptr;
    if (text == nullptr || text->size() != 10 || !text->starts_with("0x") ||
        !ReadHex(std::string_view(*text).substr(2), hr)) {
      Fail(Quoted(key) + " is not 0x and 8 hexadecimal digits");
      return 0;
    }
    return static_cast<ks::HResult>(hr);
  }

  void Fail(std::string problem) {
    if (error.empty())
      error = std::move(problem);
  }

  std::string error;

private:
  const json& object_;
};

void CheckLength(Fields& fields, std::string_view key, std::size_t bytes, std::uint32_t length) {
  if (bytes != length)
    fields.Fail(Quoted(key) + " has " + std::to_string(bytes) + " bytes, \"len\" says " +
                std::to_string(length));
}

ParsedLine ReadEvent(const json& object) {
  const bool sleep = object.contains(kSleepKey);
  for (const auto& [key, value] : object.items()) {
    const bool known =
        sleep ? key == kSleepKey
              : std::find(kPropertyKeys.begin(), kPropertyKeys.end(), key) != kPropertyKeys.end();
    if (!known)
      return {{}, "unexpected key " + Quoted(key)};
  }
  Fields fields(object);
  if (sleep) {
    const ks::SleepEvent event{fields.U32(kSleepKey)};
    return {event, fields.error};
  }
  for (const std::string_view key : kPropertyKeys)
    if (!object.contains(key))
      return {{}, "no " + Quoted(key)};
  ks::PropertyEvent event;
  event.property = fields.Bytes("prop");
  event.data = fields.Bytes("data");
  event.length = fields.U32("len");
  event.hr = fields.Result("hr");
  event.out = fields.Bytes("out");
  if (!fields.error.empty())
    return {{}, fields.error};
  if (event.property.size() != 24 && event.property.size() != 32)
    fields.Fail("\"prop\" has " + std::to_string(event.property.size()) +
                " bytes; a property record has 24 or 32");
  CheckLength(fields, "data", event.data.size(), event.length);
  CheckLength(fields, "out", event.out.size(), event.length);
  return {std::move(event), fields.error};
}

// The parser's own reason without its prefix, and where it stopped.
std::string JsonProblem(const json::parse_error& e) {
  const std::string text = e.what();
  const auto column = text.find("column ");
  const auto colon = column == std::string::npos ? column : text.find(": ", column);
  const std::string reason = colon == std::string::npos ? text : text.substr(colon + 2);
  return "not JSON at column " + std::to_string(e.byte) + ": " + reason;
}

} // namespace

ParsedLine ParseTraceLine(std::string_view line) {
  if (line.empty())
    return {{}, "empty line"};
  // Later duplicates would silently win; a trace never repeats a key.
  std::set<std::string> keys;
  std::string duplicate;
  const json::parser_callback_t noteKeys = [&](int depth, json::parse_event_t event, json& parsed) {
    if (event == json::parse_event_t::key && depth == 1 &&
        !keys.insert(parsed.get<std::string>()).second && duplicate.empty())
      duplicate = parsed.get<std::string>();
    return true;
  };
  json object;
  try {
    object = json::parse(line, noteKeys);
  } catch (const json::parse_error& e) {
    return {{}, JsonProblem(e)};
  } catch (const json::out_of_range& e) {
    // A number too large for a double: the parser's reason after its tag.
    const std::string text = e.what();
    return {{}, text.substr(text.find("] ") + 2)};
  }
  if (!object.is_object())
    return {{}, "not a JSON object"};
  if (!duplicate.empty())
    return {{}, "key " + Quoted(duplicate) + " twice"};
  return ReadEvent(object);
}

TraceReader::TraceReader(const std::string& path)
    : file_(files::PathOf(path.c_str()), std::ios::binary) {}

bool TraceReader::Next(ks::TraceEvent& event) {
  if (!error_.empty() || !std::getline(file_, line_)) {
    if (file_.bad() && error_.empty())
      error_ = "line " + std::to_string(lineNumber_ + 1) + ": cannot be read";
    return false;
  }
  ++lineNumber_;
  const std::string where = "line " + std::to_string(lineNumber_) + ": ";
  // getline stops at the end of the file too: a last line without its line
  // end is a trace cut short.
  if (file_.eof()) {
    error_ = where + "no line end (the trace is cut short)";
    return false;
  }
  std::string_view text = line_;
  if (text.ends_with('\r'))
    text.remove_suffix(1);
  ParsedLine parsed = ParseTraceLine(text);
  if (!parsed.error.empty()) {
    error_ = where + parsed.error;
    return false;
  }
  event = std::move(parsed.event);
  return true;
}

void TraceReader::Rewind() {
  file_.clear();
  file_.seekg(0);
  lineNumber_ = 0;
  error_.clear();
  // A pipe cannot be read twice, and an empty second pass would look clean.
  if (!file_)
    error_ = "cannot be read twice (a pipe?); the trace must be a file";
}

} // namespace cli
