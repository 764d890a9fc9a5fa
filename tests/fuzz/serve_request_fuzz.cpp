// The serving protocol's request parser on arbitrary input lines. Each line
// that is not blank answers one line: a JSON object on a line of its own, with
// the request's id when the request had one, "ok", and a reason when refused.
#include <algorithm>
#include <string>

#include "cli/plan.hpp"
#include "cli/serve_protocol.hpp"
#include "fuzz_check.hpp"

namespace {

using cli::Json;

// The answer as the console gives it before running anything.
Json AnswerTo(const cli::Request& request) {
  Json answer = Json::object();
  if (!request.id.is_null())
    answer["id"] = request.id;
  std::string refusal = request.error;
  if (refusal.empty()) {
    FUZZ_CHECK(request.command && !request.command->words.empty());
    const cli::PlanResult planned = cli::MakePlan(*request.command);
    if (!planned.error.empty())
      refusal = request.command->Text() + ": " + planned.error;
  } else {
    FUZZ_CHECK(refusal.starts_with("malformed request: "));
  }
  answer["ok"] = refusal.empty();
  if (!refusal.empty())
    answer["error"] = refusal;
  return answer;
}

bool ValidText(const Json& value) {
  try {
    value.dump();
    return true;
  } catch (const Json::type_error&) {
    return false;
  }
}

void CheckAnswer(std::string_view line) {
  const cli::Request request = cli::ParseRequest(line);
  const std::string text = cli::FormatLine(AnswerTo(request));
  FUZZ_CHECK(text.find('\n') == std::string::npos);
  const Json answer = Json::parse(text, nullptr, false);
  FUZZ_CHECK(!answer.is_discarded() && answer.is_object());
  FUZZ_CHECK(answer.contains("ok") && answer["ok"].is_boolean());
  FUZZ_CHECK(answer["ok"].get<bool>() != answer.contains("error"));
  FUZZ_CHECK(answer.contains("id") == !request.id.is_null());
  // An id comes back as it was sent; text that is not UTF-8 is replaced.
  if (answer.contains("id") && ValidText(request.id))
    FUZZ_CHECK(answer["id"] == request.id);
}

bool Blank(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    if (!Blank(text.substr(0, end)))
      CheckAnswer(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return 0;
}
